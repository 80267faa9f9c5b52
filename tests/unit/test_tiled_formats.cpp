// TMX maps, PNG tile sheets, PNG sprite strips with JSON: what other tools write, and refusals. (Round trips of
// the shipped content through Tiled and the tool: test_tool_tiled.sh.)
#include "content/map.h"
#include "content/sheets.h"
#include "content/sprite.h"
#include "content/tiledmap.h"
#include "content_testing.h"

#include <zlib.h>

#include <regex>

namespace {

void WriteText(const std::string& path, const std::string& text)
{
    WriteFileBytes(path, Bytes(text.begin(), text.end()));
}

// Saves PICTURE and destroys it.
void WritePng(const std::string& path, ALLEGRO_BITMAP* picture)
{
    ASSERT_TRUE(al_save_bitmap(path.c_str(), picture));
    al_destroy_bitmap(picture);
}

std::string Base64(const Bytes& bytes)
{
    static const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const uint32_t chunk = bytes[i] << 16 | (i + 1 < bytes.size() ? bytes[i + 1] << 8 : 0) |
                               (i + 2 < bytes.size() ? bytes[i + 2] : 0);
        for (int k = 0; k < 4; ++k)
            text += i * 8 + k * 6 < bytes.size() * 8 ? digits[(chunk >> (18 - 6 * k)) & 63] : '=';
    }
    return text;
}

class TiledMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        map.New();
        map.title = "Lawn <&> \"Ünïcode\"";
        map.author = "Jo & Sam";
        map.timeLimit = 123;
        map.cloudCount = 4;
        map.startX = 410;
        map.startY = 97;
        for (int i = 0; i < Map::kCellCount; ++i) map.cells[i] = static_cast<uint16_t>((i * 37) % 1024);
        map.cells[399] = 1023;
        ASSERT_TRUE(map.Save(scratch.Path("original.map").c_str()));
        std::string error;
        ASSERT_TRUE(ExportMapToTmx(map, scratch.Path("level.tmx"), error)) << error;
        const Bytes exported = ReadFileBytes(scratch.Path("level.tmx"));
        tmx.assign(exported.begin(), exported.end());
    }
    // Imports TEXT as level.tmx over the original map: refused with MESSAGE, every field kept.
    void ExpectRefused(const std::string& text, const std::string& message, bool startOnly = false)
    {
        WriteText(scratch.Path("level.tmx"), text);
        Map kept;
        ASSERT_TRUE(kept.Load(scratch.Path("original.map").c_str()));
        std::string error;
        EXPECT_FALSE(ImportMapFromTmx(kept, scratch.Path("level.tmx"), error));
        EXPECT_EQ(startOnly ? error.substr(0, message.size()) : error, message);
        ASSERT_TRUE(kept.Save(scratch.Path("kept.map").c_str()));
        EXPECT_EQ(ReadFileBytes(scratch.Path("kept.map")), ReadFileBytes(scratch.Path("original.map")));
    }
    // The exported file with its layer data replaced.
    std::string WithData(const std::string& dataElement) const
    {
        return std::regex_replace(tmx, std::regex("<data encoding=\"csv\">[^<]*</data>"), dataElement);
    }
    Bytes CellBytes() const
    {
        Bytes bytes;
        for (uint16_t cell : map.cells) PutU32(bytes, cell + 1u);
        return bytes;
    }
    Bytes GzippedCells() const
    {
        const Bytes cells = CellBytes();
        gzFile file = gzopen(scratch.Path("cells.gz").c_str(), "wb");
        gzwrite(file, cells.data(), static_cast<unsigned>(cells.size()));
        gzclose(file);
        return ReadFileBytes(scratch.Path("cells.gz"));
    }

    ScratchFolder scratch;
    Map map;
    std::string tmx;
};

TEST_F(TiledMapTest, OurCsvAndXmlAndBase64LayersPlainAndGzipImportToTheIdenticalMapFile)
{
    std::string xmlTiles = "<data>";
    for (uint16_t cell : map.cells) xmlTiles += "<tile gid=\"" + std::to_string(cell + 1) + "\"/>";
    xmlTiles += "</data>";
    const std::vector<std::string> layers = {
        "",  // the exported file as it is
        xmlTiles,
        "<data encoding=\"base64\">\n   " + Base64(CellBytes()) + "\n  </data>",
        "<data encoding=\"base64\" compression=\"gzip\">" + Base64(GzippedCells()) + "</data>",
    };
    for (const std::string& layer : layers) {
        WriteText(scratch.Path("packed.tmx"), layer.empty() ? tmx : WithData(layer));
        Map back;
        back.New();
        std::string error;
        ASSERT_TRUE(ImportMapFromTmx(back, scratch.Path("packed.tmx"), error)) << error << " for " << layer.substr(0, 60);
        ASSERT_TRUE(back.Save(scratch.Path("back.map").c_str()));
        EXPECT_EQ(ReadFileBytes(scratch.Path("back.map")), ReadFileBytes(scratch.Path("original.map")));
    }
}

TEST_F(TiledMapTest, RefusalsNameTheFileAndReasonAndKeepTheMap)
{
    auto firstCell = [&](const std::string& gid) { return std::string(tmx).replace(tmx.find("\n1,") + 1, 1, gid); };
    const std::string cut = Base64(GzippedCells()).substr(0, 40);
    WriteText(scratch.Path("other.tsx"), "<tileset name=\"x\" tilewidth=\"16\" tileheight=\"16\" tilecount=\"256\" "
                                         "columns=\"16\"><image source=\"x.png\"/></tileset>");
    const std::pair<std::string, std::string> cases[] = {
        {std::regex_replace(tmx, std::regex("<map ([^>]*)width=\"25\" height=\"16\""), "<map $1width=\"30\" height=\"20\""),
         "the map is 30 x 20 tiles; Sodbolt maps are 25 x 16"},
        {firstCell("2147483649"), "cell (0, 0) is flipped or turned; Sodbolt tiles cannot be"},
        {firstCell("1025"), "cell (0, 0) holds tile 1025, outside the Sodbolt tile set"},
        {firstCell("0"), "cell (0, 0) is empty; every Sodbolt cell holds a tile"},
        {std::regex_replace(tmx, std::regex("<layer[\\s\\S]*</layer>"), ""), "the map has no tile layer"},
        {WithData("<data encoding=\"csv\">1,2,3</data>"), "the tile layer holds 3 cells; a Sodbolt map has 400"},
        {WithData("<data encoding=\"csv\">1,99999999999</data>"), "the tile layer's data is not 400 tile numbers"},
        {WithData("<data encoding=\"base64\" compression=\"zstd\">AAAA</data>"),
         "the tile layer is compressed with zstd; use zlib, gzip or none"},
        {WithData("<data encoding=\"base64\" compression=\"gzip\">" + cut + "</data>"),
         "the tile layer's gzip data is damaged or truncated"},
        {std::regex_replace(tmx, std::regex("value=\"123\""), "value=\"-5\""),
         "the property timeLimit is \"-5\"; it must be a whole number from 0 to 65535"},
        {std::regex_replace(tmx, std::regex("sodbolt\\.tsx"), "other.tsx"),
         "the tile set other.tsx is not a Sodbolt tile set (1024 tiles of 32 x 32 pixels in 32 columns)"},
    };
    for (const auto& [text, message] : cases) ExpectRefused(text, "level.tmx: " + message);
    ExpectRefused(tmx.substr(0, tmx.size() / 2), "level.tmx: not well-formed XML", true);
}

TEST_F(TiledMapTest, ExportRefusesACellThatNamesNoTile)
{
    map.cells[26] = 1024;
    std::string error;
    EXPECT_FALSE(ExportMapToTmx(map, scratch.Path("beyond.tmx"), error));
    EXPECT_NE(error.find("(1, 1)"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(scratch.Path("beyond.tmx")));
}

// A set whose tiles 1 and 33 differ in picture and type.
void PaintTileset(Tileset& set)
{
    set.New();
    for (int i : {1, 33}) FillBitmap(set.tiles[i].image, al_map_rgb(i, (i * 7) % 256, 90));
    set.tiles[1].type = TileGrass;
    set.tiles[33].type = TileSolid;
}

TEST(TileSheet, BarePngFillsTheTilesItHoldsAndOddSizesOrMoreThan1024TilesAreRefused)
{
    ScratchFolder scratch;
    Tileset set;
    PaintTileset(set);
    ASSERT_TRUE(set.Save(scratch.Path("original.til").c_str()));
    const struct { int width, height; const char* message; } cases[] = {
        {33, 32, "odd.png: the sheet is 33 x 32 pixels; a tile sheet's sides are multiples of 32"},
        {2048, 1024 + 32, "odd.png: the sheet holds 2112 tiles; a Sodbolt tile set has 1024"},
    };
    std::string error;
    for (const auto& c : cases) {
        WritePng(scratch.Path("odd.png"), MakeFilledBitmap(c.width, c.height, al_map_rgb(1, 2, 3)));
        EXPECT_FALSE(ImportTileSheetPng(set, scratch.Path("odd.png"), error));
        EXPECT_EQ(error, c.message);
    }
    ASSERT_TRUE(set.Save(scratch.Path("kept.til").c_str()));
    EXPECT_EQ(ReadFileBytes(scratch.Path("kept.til")), ReadFileBytes(scratch.Path("original.til")));

    WritePng(scratch.Path("two.png"), MakeFilledBitmap(64, 32, al_map_rgba(0, 0, 0, 0)));
    ASSERT_TRUE(ImportTileSheetPng(set, scratch.Path("two.png"), error)) << error;
    EXPECT_EQ(PixelOf(set.tiles[1].image, 8, 2), (Rgba{255, 0, 255, 255})) << "transparent comes in as magenta";
    EXPECT_EQ(PixelOf(set.tiles[33].image, 0, 0), (Rgba{33, 231, 90, 255})) << "a tile outside the sheet is kept";
    EXPECT_EQ(set.tiles[1].type, TileGrass);
}

TEST(SpriteStrip, OtherToolsListsAndBareStripsImport)
{
    ScratchFolder scratch;
    ALLEGRO_BITMAP* picture = MakeFilledBitmap(30, 12, al_map_rgb(255, 0, 255));
    PutPixelOn(picture, 11, 3, al_map_rgb(1, 2, 3));
    WritePng(scratch.Path("other.png"), picture);
    WriteText(scratch.Path("other.json"),
              R"({"frames": [{"filename": "a", "frame": {"x": 0, "y": 0, "w": 10, "h": 12}, "duration": 120},
                             {"filename": "b", "frame": {"x": 10, "y": 2, "w": 20, "h": 10}, "duration": 100}],
                  "meta": {"app": "elsewhere"}})");
    Sprite other;
    std::string error;
    ASSERT_TRUE(ImportSpriteStrip(other, scratch.Path("other.png"), 0, error)) << error;
    ASSERT_EQ(other.GetFrameCount(), 2);
    EXPECT_EQ((std::pair<int, int>(other.GetFrameTime(0), other.GetFrameWidth(1))), std::pair(12, 20));
    EXPECT_EQ(PixelOf(other.frames[1].image, 1, 1), (Rgba{1, 2, 3, 255}));
    EXPECT_EQ(PixelOf(other.frames[1].image, 0, 0).a, 0) << "magenta is transparent";

    ASSERT_TRUE(ImportSpriteStrip(other, scratch.Path("other.png"), 15, error)) << error;
    EXPECT_EQ(other.GetFrameCount(), 2) << "a bare strip cut into frames of the width given";
}

TEST(SpriteStrip, RefusalsKeepTheSprite)
{
    ScratchFolder scratch;
    Sprite sprite;
    ALLEGRO_BITMAP* image = MakeFilledBitmap(16, 10, al_map_rgb(40, 100, 200));
    ASSERT_TRUE(sprite.AddFrame(image, "kept"));
    al_destroy_bitmap(image);
    WritePng(scratch.Path("strip.png"), MakeFilledBitmap(30, 12, al_map_rgb(5, 5, 5)));
    const struct { const char* json; int frameWidth; std::string message; } cases[] = {
        {nullptr, 0, "strip.json cannot be read; a strip without it needs a frame width"},
        {nullptr, 7, "strip.png: the strip's width of 30 pixels is not a whole number of frames 7 pixels wide"},
        {"{\"frames\": [", 0, "strip.json: not a JSON frame list"},
        {R"({"frames": [{"frame": {"x": 25, "y": 0, "w": 10, "h": 12}}]})", 0,
         "strip.png: frame 0 reaches outside the 30 x 12 strip"},
        {R"({"frames": [{"frame": {"x": -1, "y": 0, "w": 10, "h": 12}}]})", 0,
         "strip.json: frame 0 has no \"frame\" rectangle of whole numbers (x, y from 0, w, h from 1)"},
    };
    for (const auto& c : cases) {
        if (c.json) WriteText(scratch.Path("strip.json"), c.json);
        std::string error;
        EXPECT_FALSE(ImportSpriteStrip(sprite, scratch.Path("strip.png"), c.frameWidth, error));
        EXPECT_EQ(error, c.message);
    }
    ASSERT_EQ(sprite.GetFrameCount(), 1);
    EXPECT_EQ(sprite.frames[0].name, "kept");
    EXPECT_EQ(PixelOf(sprite.frames[0].image, 15, 9), (Rgba{40, 100, 200, 255}));
}

} // namespace
