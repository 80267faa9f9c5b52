// Map: the 25 x 16 level grid with its settings, the map file format, and
// the game tile set every map is shown with.
#include "content/map.h"

#include "content/binarystream.h"
#include "content/datapath.h"
#include "kwui/console.h"

static const char* const kMapMagic = "Sodbolt Map File";
static const int16_t kMapVersion = 3;
// Version 1 maps stored a larger grid of which the game shows the top left.
static const int kVersion1Columns = 32;
static const int kVersion1Rows = 21;

Map::~Map()
{
    if (loaded) tileSet.Unload();
    loaded = false;
}

void Map::New()
{
    if (loaded) {
        tileSet.Unload();
        loaded = false;
    }
    cells.fill(0);
    title = "New Map";
    author.clear();
    startX = 400;
    startY = 256;
    cloudCount = 0;
    timeLimit = 90;
    LoadDefaultTileset();
    loaded = true;
}

// File layout (little-endian):
//   string  magic "Sodbolt Map File"
//   int16   version (3 written; above 3 refused; 1 has the larger grid)
//   string  title
//   string  author                (version 3 and up)
//   uint16  timeLimit, cloudCount, startX, startY
//   uint16  cells: 16 rows of 25 (version 1: 21 rows of 32)
bool Map::Load(const char* path)
{
    BinaryStream in;
    int16_t version = 0;
    const std::string pathText = path ? path : "";
    if (!in.OpenContentFile(path, kMapMagic, kMapVersion, version, pathText + " is not a valid map file.",
                            pathText + " is too advanced.")) {
        lastError = in.lastError;
        return false;
    }

    // Everything is read into locals first, so a damaged file changes nothing.
    const std::string newTitle = in.ReadStdString();
    const std::string newAuthor = version >= 3 ? in.ReadStdString() : std::string();
    const uint16_t newTimeLimit = in.ReadUInt16();
    const uint16_t newCloudCount = in.ReadUInt16();
    const uint16_t newStartX = in.ReadUInt16();
    const uint16_t newStartY = in.ReadUInt16();
    std::array<uint16_t, kCellCount> newCells{};
    if (version == 1) {
        for (int row = 0; row < kVersion1Rows; ++row) {
            for (int column = 0; column < kVersion1Columns; ++column) {
                const uint16_t value = in.ReadUInt16();
                if (row < kRows && column < kColumns) newCells[row * kColumns + column] = value;
            }
        }
    } else {
        for (uint16_t& cell : newCells) cell = in.ReadUInt16();
    }
    if (in.Damaged()) {
        lastError = in.DamagedText();
        return false;
    }
    in.Close();

    title = newTitle;
    author = newAuthor;
    timeLimit = newTimeLimit;
    cloudCount = newCloudCount;
    startX = newStartX;
    startY = newStartY;
    cells = newCells;
    loaded = true;
    LoadDefaultTileset();
    return true;
}

bool Map::Save(const char* path)
{
    BinaryStream out;
    if (!out.OpenForWriting(path)) {
        lastError = out.lastError;
        return false;
    }
    out.WriteStdString(kMapMagic);
    out.WriteInt16(kMapVersion);
    out.WriteStdString(title);
    out.WriteStdString(author);
    out.WriteUInt16(timeLimit);
    out.WriteUInt16(cloudCount);
    out.WriteUInt16(startX);
    out.WriteUInt16(startY);
    for (const uint16_t cell : cells) out.WriteUInt16(cell);
    if (!out.Finish()) {
        lastError = out.lastError;
        return false;
    }
    return true;
}

void Map::LoadDefaultTileset()
{
    const std::string path = ResolveDataPath(std::string(kDefaultTileset));
    if (tileSet.Load(path.c_str())) {
        tileSetFile = path;
        return;
    }
    // "Not a valid tileset file" alone would not say which file.
    if (tileSet.lastError.find(path) == std::string::npos)
        KW_Message("%s: %s", path.c_str(), tileSet.lastError.c_str());
    else
        KW_Message("%s", tileSet.lastError.c_str());
    tileSet.New();
    tileSetFile.clear();
}

uint16_t Map::GetCell(int column, int row) const
{
    if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return 0;
    return cells[row * kColumns + column];
}

void Map::SetCell(int column, int row, uint16_t tile)
{
    if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return;
    cells[row * kColumns + column] = tile;
}

TileType Map::GetCellType(int column, int row) const { return tileSet.GetTileType(GetCell(column, row)); }

ALLEGRO_BITMAP* Map::GetCellImage(int column, int row) const { return tileSet.GetTileImage(GetCell(column, row)); }

void Map::Draw(float x, float y, const uint8_t* cutFlags) const
{
    // Tiles share the atlas, so the held batch becomes a few draw calls; and
    // tiles are opaque, so they are copied rather than blended.
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_BLENDER);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    const bool wasHeld = al_is_bitmap_drawing_held();
    al_hold_bitmap_drawing(true);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int cell = row * kColumns + column;
            const int tile = (cutFlags && cutFlags[cell]) ? kMowedTile : cells[cell];
            ALLEGRO_BITMAP* image = tileSet.GetTileImage(tile);
            if (image) al_draw_bitmap(image, x + column * kCellSize, y + row * kCellSize, 0);
        }
    }
    al_hold_bitmap_drawing(wasHeld);
    al_restore_state(&state);
}
