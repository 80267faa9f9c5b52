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
    EXPECT_EQ(WriteWith(path, [](BinaryStream& s) { s.WriteStdString(static_cast<const char*>(nullptr)); }),
              (Bytes{0x00, 0x00}));

    // Overlong text is cut to 32767 characters, which read back whole.
    const std::string text(40000, 'x');
    ASSERT_EQ(WriteWith(path, [&](BinaryStream& s) { s.WriteStdString(text); }).size(), 2u + 32767u);
    BinaryStream in;
    ASSERT_TRUE(in.OpenForReading(path.c_str()));
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
    // A pixel of alpha 0 keeps only its colour and comes back opaque.
    ALLEGRO_BITMAP* bitmap = MakeFilledBitmap(2, 1, al_map_rgba(0, 0, 0, 0));
    PutPixelOn(bitmap, 1, 0, al_map_rgb(0, 0, 255));
    EXPECT_EQ(WriteWith(path, [&](BinaryStream& s) { s.WriteAllegroBitmap(bitmap); }),
              (Bytes{0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF}));
    BinaryStream in;
    ASSERT_TRUE(in.OpenForReading(path.c_str()));
    ALLEGRO_BITMAP* back = in.ReadAllegroBitmap();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(PixelOf(back, 0, 0), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(PixelOf(back, 1, 0), (Rgba{0, 0, 255, 255}));
    al_destroy_bitmap(back);
    al_destroy_bitmap(bitmap);

    // Far larger than the file (refused from the size alone), width 32768 reading negative, width 0, a byte short.
    for (const Bytes& bytes : {Bytes{0xFF, 0x7F, 0xFF, 0x7F, 1, 2, 3}, Bytes{0x00, 0x80, 0x01, 0x00, 1, 2, 3},
                               Bytes{0x00, 0x00, 0x01, 0x00}, Bytes{0x01, 0x00, 0x01, 0x00, 1, 2}}) {
        WriteFileBytes(path, bytes);
        ASSERT_TRUE(in.OpenForReading(path.c_str()));
        EXPECT_EQ(in.ReadAllegroBitmap(), nullptr);
        EXPECT_TRUE(in.Damaged());
    }
}

TEST(BinaryStream, AnUnfinishedWriteOrAFailedRenameLeavesTheOldFileAndNoTemporary)
{
    ScratchFolder scratch;
    const std::string path = scratch.Path("keep.bin");
    WriteFileBytes(path, Bytes{9, 9, 9});
    {
        BinaryStream out;
        ASSERT_TRUE(out.OpenForWriting(path.c_str()));
        out.WriteStdString("half a file");  // dropped without Finish
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
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    ScratchFolder scratch;
    const std::string link = scratch.Path("full.bin");
    ASSERT_EQ(symlink("/dev/full", (link + ".tmp~").c_str()), 0);
    BinaryStream out;
    ASSERT_TRUE(out.OpenForWriting(link.c_str()));
    out.WriteBytes(std::string(10000, 'x').data(), 10000);
    EXPECT_FALSE(out.Finish());
    EXPECT_EQ(out.lastError, "Unable to write " + link);
    EXPECT_FALSE(std::filesystem::exists(link));
}
