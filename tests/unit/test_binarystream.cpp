// The shared encodings byte for byte, damage detection, and safe writing.
#include "content/binarystream.h"

#include "content_testing.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

Bytes WriteWith(const std::string& path, const std::function<void(BinaryStream&)>& write)
{
    BinaryStream out;
    EXPECT_TRUE(out.OpenForWriting(path.c_str()));
    write(out);
    EXPECT_TRUE(out.Finish());
    return ReadFileBytes(path);
}

} // namespace

TEST(BinaryStream, StringsAreLengthPrefixedCutToTheLimitAndBadLengthsMarkDamage)
{
    ScratchFolder scratch;
    const std::string path = scratch.Path("s.bin");
    EXPECT_EQ(WriteWith(path, [](BinaryStream& s) { s.WriteStdString(""); }), (Bytes{0x00, 0x00}));
    EXPECT_EQ(WriteWith(path, [](BinaryStream& s) { s.WriteStdString(static_cast<const char*>(nullptr)); }),
              (Bytes{0x00, 0x00}));
    EXPECT_EQ(WriteWith(path, [](BinaryStream& s) { s.WriteStdString("abc"); }),
              (Bytes{0x03, 0x00, 0x61, 0x62, 0x63}));

    // Overlong text is cut to 32767 characters and a limit-length string reads back whole.
    const std::string text(40000, 'x');
    ASSERT_EQ(WriteWith(path, [&](BinaryStream& s) {
                  s.WriteStdString("");
                  s.WriteStdString("abc");
                  s.WriteStdString(text);
              }).size(),
              2u + 5u + 2u + 32767u);
    BinaryStream in;
    ASSERT_TRUE(in.OpenForReading(path.c_str()));
    EXPECT_EQ(in.ReadStdString(), "");
    EXPECT_EQ(in.ReadStdString(), "abc");
    EXPECT_EQ(in.ReadStdString().size(), 32767u);
    EXPECT_FALSE(in.Damaged());

    // Negative, past the end, half a length.
    for (const Bytes& bytes : {Bytes{0xFF, 0xFF, 'a'}, Bytes{0x05, 0x00, 'a', 'b'}, Bytes{0x01}}) {
        WriteFileBytes(path, bytes);
        ASSERT_TRUE(in.OpenForReading(path.c_str()));
        EXPECT_EQ(in.ReadStdString(), "");
        EXPECT_TRUE(in.Damaged());
        EXPECT_EQ(in.DamagedText(), path + " is damaged or truncated");
    }
}

TEST(BinaryStream, BitmapsStoreRgbRowsReadBackOpaqueAndRefuseSizesOutsideTheFile)
{
    ScratchFolder scratch;
    const std::string path = scratch.Path("bmp.bin");
    ALLEGRO_BITMAP* bitmap = MakeFilledBitmap(2, 1, al_map_rgb(255, 0, 0));
    PutPixelOn(bitmap, 1, 0, al_map_rgb(0, 0, 255));
    EXPECT_EQ(WriteWith(path, [&](BinaryStream& s) { s.WriteAllegroBitmap(bitmap); }),
              (Bytes{0x02, 0x00, 0x01, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF}));

    // A pixel of alpha 0 keeps only its colour and comes back opaque.
    PutPixelOn(bitmap, 0, 0, al_map_rgba(0, 0, 0, 0));
    EXPECT_EQ(WriteWith(path, [&](BinaryStream& s) { s.WriteAllegroBitmap(bitmap); }),
              (Bytes{0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF}));
    BinaryStream in;
    ASSERT_TRUE(in.OpenForReading(path.c_str()));
    ALLEGRO_BITMAP* back = in.ReadAllegroBitmap();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(PixelOf(back, 0, 0), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(PixelOf(back, 1, 0), (Rgba{0, 0, 255, 255}));
    al_destroy_bitmap(back);

    // Asked to, transparent pixels are written as magenta.
    EXPECT_EQ(WriteWith(path, [&](BinaryStream& s) { s.WriteAllegroBitmap(bitmap, true); }),
              (Bytes{0x02, 0x00, 0x01, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0xFF}));
    al_destroy_bitmap(bitmap);

    // Refused from the size alone (32767 x 32767 would need 3 GB): far larger than
    // the file, width 32768 reading negative, width 0, one byte short.
    for (const Bytes& bytes : {Bytes{0xFF, 0x7F, 0xFF, 0x7F, 1, 2, 3}, Bytes{0x00, 0x80, 0x01, 0x00, 1, 2, 3},
                               Bytes{0x00, 0x00, 0x01, 0x00}, Bytes{0x01, 0x00, 0x01, 0x00, 1, 2}}) {
        WriteFileBytes(path, bytes);
        ASSERT_TRUE(in.OpenForReading(path.c_str()));
        EXPECT_EQ(in.ReadAllegroBitmap(), nullptr);
        EXPECT_TRUE(in.Damaged());
    }
}

TEST(BinaryStream, ZentorFieldsFixedStringsGreyAnd565BitmapsAndOversizesRefused)
{
    ScratchFolder scratch;
    const std::string path = scratch.Path("z.bin");
    Bytes bytes;
    PutFixed(bytes, "ABC", 32);
    PutFixed(bytes, std::string(32, 'Z'), 32);
    for (uint32_t v : {3, 1}) PutU32(bytes, v);
    for (unsigned v : {0xFFFF, 0xF800, 0x07E0}) PutU16(bytes, v);
    for (uint32_t v : {1, 1}) PutU32(bytes, v);
    PutU8(bytes, 0x80);
    WriteFileBytes(path, bytes);

    BinaryStream in;
    ASSERT_TRUE(in.OpenForReading(path.c_str()));
    EXPECT_EQ(in.ReadFixedString(32), "ABC");
    EXPECT_EQ(in.Remaining(), bytes.size() - 32);
    EXPECT_EQ(in.ReadFixedString(32), std::string(31, 'Z'));
    ALLEGRO_BITMAP* wide = in.ReadZentorBitmap(false);
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(PixelOf(wide, 0, 0), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(PixelOf(wide, 1, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(PixelOf(wide, 2, 0), (Rgba{0, 255, 0, 255}));
    al_destroy_bitmap(wide);
    ALLEGRO_BITMAP* grey = in.ReadZentorBitmap(true);
    ASSERT_NE(grey, nullptr);
    EXPECT_EQ(PixelOf(grey, 0, 0), (Rgba{0x80, 0x80, 0x80, 255}));
    al_destroy_bitmap(grey);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_FALSE(in.Damaged());

    Bytes huge;
    for (uint32_t v : {0x10000, 0x10000}) PutU32(huge, v);
    PutU8(huge, 1);
    WriteFileBytes(path, huge);
    ASSERT_TRUE(in.OpenForReading(path.c_str()));
    EXPECT_EQ(in.ReadZentorBitmap(true), nullptr);
    EXPECT_TRUE(in.Damaged());
}

TEST(BinaryStream, OpenFailuresNameThePath)
{
    ScratchFolder scratch;
    BinaryStream stream;
    const std::string missing = scratch.Path("missing.bin");
    EXPECT_FALSE(stream.OpenForReading(missing.c_str()));
    EXPECT_EQ(stream.lastError, "Unable to open " + missing);
    const std::string nowhere = scratch.Path("no/such/folder/x.bin");
    EXPECT_FALSE(stream.OpenForWriting(nowhere.c_str()));
    EXPECT_EQ(stream.lastError, "Unable to create " + nowhere);
}

TEST(BinaryStream, AnUnfinishedWriteOrAFailedRenameLeavesTheOldFileAndNoTemporary)
{
    ScratchFolder scratch;
    const std::string path = scratch.Path("keep.bin");
    WriteFileBytes(path, Bytes{9, 9, 9});
    {
        BinaryStream out;
        ASSERT_TRUE(out.OpenForWriting(path.c_str()));
        out.WriteStdString("half a file"); // dropped without Finish, as a save that gives up would be
    }
    EXPECT_EQ(ReadFileBytes(path), (Bytes{9, 9, 9}));
    EXPECT_EQ(scratch.Entries(), std::vector<std::string>{"keep.bin"});

    // A folder stands where the file should go: the final rename fails.
    const std::string taken = scratch.Path("taken");
    ASSERT_EQ(mkdir(taken.c_str(), 0755), 0);
    BinaryStream out;
    ASSERT_TRUE(out.OpenForWriting(taken.c_str()));
    out.WriteUInt16(7);
    EXPECT_FALSE(out.Finish());
    EXPECT_EQ(out.lastError, "Unable to write " + taken);
    EXPECT_EQ(scratch.Entries().size(), 2u) << "no temporary left";
}

TEST(BinaryStream, AFullDiskIsReportedAtFinish)
{
    // /dev/full accepts the open and fails every flush.
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    ScratchFolder scratch;
    const std::string link = scratch.Path("full.bin");
    // The temporary file beside the target is what gets written.
    ASSERT_EQ(symlink("/dev/full", (link + ".tmp~").c_str()), 0);
    BinaryStream out;
    ASSERT_TRUE(out.OpenForWriting(link.c_str()));
    out.WriteBytes(std::string(10000, 'x').data(), 10000);
    EXPECT_FALSE(out.Finish());
    EXPECT_EQ(out.lastError, "Unable to write " + link);
    EXPECT_FALSE(std::filesystem::exists(link));
}
