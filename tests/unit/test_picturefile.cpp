// Pictures other programs write (convert, ppmtoilbm) read the right way up; damaged ones are refused; an
// export replaces the file whole or leaves it as it was.
#include "content/imagefile.h"
#include "content/picturefile.h"
#include "editors/tileops.h"
#include "content_testing.h"

#include <array>
#include <cstdlib>

namespace {

bool Shell(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()) == 0; }

// A 4 x 3 picture: red top left, green top right, blue bottom left, the rest white.
const Rgba kCorners[3] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}};
std::string MakeCornerPng(const ScratchFolder& scratch)
{
    const std::string path = scratch.Path("corners.png");
    Shell("convert -size 4x3 xc:white -fill red -draw 'point 0,0' -fill lime -draw 'point 3,0' -fill blue "
        "-draw 'point 0,2' -type TrueColor PNG24:" + path);
    return path;
}

void ExpectCorners(ALLEGRO_BITMAP* picture, const std::string& what)
{
    ASSERT_TRUE(picture) << what;
    ASSERT_EQ(al_get_bitmap_width(picture), 4) << what;
    EXPECT_EQ(PixelOf(picture, 0, 0), kCorners[0]) << what;
    EXPECT_EQ(PixelOf(picture, 3, 0), kCorners[1]) << what;
    EXPECT_EQ(PixelOf(picture, 0, 2), kCorners[2]) << what;
    EXPECT_EQ(PixelOf(picture, 3, 2), (Rgba{255, 255, 255, 255})) << what;
}

TEST(PictureFiles, TgaOfEitherRowOrderAndBmpOfEveryKindReadAsWrittenAndOurTgaReadsSoInConvert)
{
    ScratchFolder scratch;
    const std::string png = MakeCornerPng(scratch);
    // convert only marks the origin: a true bottom-up file is the picture flipped and marked bottom left.
    const struct { const char* name; const char* options; const char* kind; } writes[] = {
        {"bottom-up.tga", "-flip -orient BottomLeft", ""}, {"top-down.tga", "-orient TopLeft", ""},
        {"rle.tga", "-flip -orient BottomLeft -compress RLE", ""}, {"v3.bmp", "", "BMP3:"}, {"v2.bmp", "", "BMP2:"},
        {"v5.bmp", "", "BMP:"}};
    for (const auto& write : writes) {
        ASSERT_TRUE(Shell("convert " + png + " " + write.options + " " + write.kind + scratch.Path(write.name)));
        std::string error;
        ALLEGRO_BITMAP* picture = LoadPicture(scratch.Path(write.name), error);
        ExpectCorners(picture, write.name);
        if (picture) al_destroy_bitmap(picture);
    }
    // A 32-bit BMP keeps the colours of its half-seen pixels.
    const std::string bmp = scratch.Path("alpha.bmp");
    ASSERT_TRUE(Shell("convert -size 2x2 xc:'rgba(0,0,255,0.5)' -fill white -draw 'point 1,1' -fill red -draw "
                    "'point 1,0' PNG32:" + scratch.Path("alpha.png") + " && convert " + scratch.Path("alpha.png") +
                    " BMP:" + bmp));
    std::string error;
    ALLEGRO_BITMAP* picture = LoadPicture(bmp, error, ALLEGRO_NO_PREMULTIPLIED_ALPHA);
    ASSERT_TRUE(picture) << error;
    EXPECT_EQ((std::array{PixelOf(picture, 0, 0), PixelOf(picture, 1, 0), PixelOf(picture, 1, 1)}),
              (std::array{Rgba{0, 0, 255, 127}, Rgba{255, 0, 0, 255}, Rgba{255, 255, 255, 255}}));
    al_destroy_bitmap(picture);

    // Ours, read by convert: the same pixels as the picture it came from.
    picture = LoadPicture(png, error);
    ASSERT_TRUE(picture);
    ASSERT_TRUE(SaveBitmapReplacing(scratch.Path("ours.tga").c_str(), picture));
    al_destroy_bitmap(picture);
    for (const char* orient : {"", "-auto-orient "})
        EXPECT_TRUE(Shell("test \"$(convert " + scratch.Path("ours.tga") + " " + std::string(orient) + "PNG24:- | compare -metric AE " +
                          png + " - null: 2>&1)\" = 0"))
            << orient;
}

TEST(PictureFiles, TruncatedBmpAndTgaAreRefusedAsDamaged)
{
    ScratchFolder scratch;
    ASSERT_TRUE(Shell("convert -size 40x30 plasma:fractal -type TrueColor " + scratch.Path("level.png")));
    for (const std::string name : {"level.bmp", "level.tga"}) {
        ASSERT_TRUE(Shell("convert " + scratch.Path("level.png") + " " + scratch.Path(name)));
        Bytes bytes = ReadFileBytes(scratch.Path(name));
        WriteFileBytes(scratch.Path(name), bytes, bytes.size() * 2 / 3);
        std::string error;
        EXPECT_EQ(LoadPicture(scratch.Path(name), error), nullptr) << name;
        EXPECT_EQ(error, name + " is damaged or truncated");
    }
}

TEST(PictureFiles, IlbmFromPpmtoilbmReadsPlainAndByteRun1AtEveryDepth)
{
    ScratchFolder scratch;
    // 2, 5 and 200 colours: 1, 3 and 8 planes.
    for (int colours : {2, 5, 200}) {
        const int width = 23, height = 7;
        Bytes ppm;
        const std::string head = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
        ppm.insert(ppm.end(), head.begin(), head.end());
        std::vector<Rgba> expected;
        for (int i = 0; i < width * height; ++i) {
            const int index = i % colours;
            expected.push_back(Rgba{(index * 37) % 256, (index * 11) % 256, 255 - index, 255});
            for (int c : {expected.back().r, expected.back().g, expected.back().b}) ppm.push_back(static_cast<uint8_t>(c));
        }
        WriteFileBytes(scratch.Path("in.ppm"), ppm);
        for (const char* option : {"-nocompress", "-compress"}) {
            const std::string what = std::to_string(colours) + " colours " + option;
            ASSERT_TRUE(Shell(std::string("ppmtoilbm -maxplanes 8 ") + option + " " + scratch.Path("in.ppm") + " > " +
                            scratch.Path("out.lbm")))
                << what;
            std::string error;
            ALLEGRO_BITMAP* picture = LoadPicture(scratch.Path("out.lbm"), error);
            ASSERT_TRUE(picture && al_get_bitmap_width(picture) == width) << what << ": " << error;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    ASSERT_EQ(PixelOf(picture, x, y), expected[y * width + x]) << what << " at " << x << ", " << y;
            al_destroy_bitmap(picture);
        }
    }
    const Bytes bytes = ReadFileBytes(scratch.Path("out.lbm"));
    WriteFileBytes(scratch.Path("cut.lbm"), bytes, bytes.size() - 9);
    std::string error;
    EXPECT_EQ(LoadPicture(scratch.Path("cut.lbm"), error), nullptr);
    EXPECT_EQ(error, "cut.lbm is damaged or truncated");
}

TEST(PictureFiles, ASmallPictureFillsATileWithHardPixels)
{
    ALLEGRO_BITMAP* tile = MakeFilledBitmap(32, 32, al_map_rgb(9, 9, 9));
    ALLEGRO_BITMAP* four = MakeFilledBitmap(2, 2, al_map_rgb(255, 0, 0));
    PutPixelOn(four, 1, 1, al_map_rgb(0, 0, 255));
    ImportImageIntoTile(tile, four);
    EXPECT_EQ(PixelOf(tile, 15, 15), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(PixelOf(tile, 16, 16), (Rgba{0, 0, 255, 255}));
    EXPECT_EQ(PixelOf(tile, 31, 31), (Rgba{0, 0, 255, 255}));
    for (ALLEGRO_BITMAP* bitmap : {tile, four}) al_destroy_bitmap(bitmap);
}

TEST(ImageFile, AnExportReplacesTheFileWholeAndAFailedOneLeavesItAsItWas)
{
    ScratchFolder folder;
    ALLEGRO_BITMAP* picture = MakeFilledBitmap(5, 3, al_map_rgb(10, 200, 30));
    const Bytes old = {'o', 'l', 'd'};
    const std::string png = folder.Path("tile.png");
    WriteFileBytes(png, old);
    ASSERT_TRUE(SaveBitmapReplacing(png.c_str(), picture));
    ALLEGRO_BITMAP* back = al_load_bitmap(png.c_str());
    ASSERT_NE(back, nullptr) << "the format the name asks for";
    EXPECT_EQ(PixelOf(back, 4, 2), (Rgba{10, 200, 30, 255}));
    al_destroy_bitmap(back);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"tile.png"});

    // Refused: no format by that name, no extension, the temporary's place taken by a folder.
    std::filesystem::create_directories(folder.Path("blocked.png.tmp~"));
    for (const char* name : {"kept.xyz", "noextension", "blocked.png"}) {
        const std::string path = folder.Path(name);
        const bool existed = std::filesystem::path(path).has_extension();
        if (existed) WriteFileBytes(path, old);
        EXPECT_FALSE(SaveBitmapReplacing(path.c_str(), picture)) << name;
        EXPECT_FALSE(std::filesystem::is_regular_file(path + ".tmp~")) << name;
        EXPECT_EQ(std::filesystem::exists(path) ? ReadFileBytes(path) : Bytes(), existed ? old : Bytes()) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path("noextension")));
    al_destroy_bitmap(picture);
}

} // namespace
