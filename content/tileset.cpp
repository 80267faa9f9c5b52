// Tile set: 1024 typed tiles whose 32 x 32 images share one atlas bitmap,
// and the tile set file format.
#include "content/tileset.h"

#include "content/binarystream.h"
#include "kwui/core.h"

#include <cstring>
#include <utility>
#include <vector>

static const char* const kTilesetMagic = "Sodbolt Tileset";
static const int16_t kTilesetVersion = 1;
static const size_t kTileBytes = Tileset::kTileSize * Tileset::kTileSize * 3;

std::string GetTileTypeName(int8_t type)
{
    switch (type) {
    case TileLand: return "Land";
    case TileGrass: return "Grass";
    case TileSolid: return "Solid";
    case TileWater: return "Water";
    default: return "";
    }
}

Tileset::~Tileset() { Unload(); }

void Tileset::Unload()
{
    // Sub-bitmaps go before the atlas they point into.
    for (Tile& tile : tiles) {
        if (tile.image) al_destroy_bitmap(tile.image);
        tile.image = nullptr;
    }
    if (atlas) al_destroy_bitmap(atlas);
    atlas = nullptr;
    loaded = false;
}

// Makes a black atlas and gives every tile without an image its 32 x 32
// place in it.
bool Tileset::CreateAtlas()
{
    if (!atlas) {
        atlas = al_create_bitmap(kAtlasSize, kAtlasSize);
        if (!atlas) return false;
        ALLEGRO_LOCKED_REGION* region =
            al_lock_bitmap(atlas, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
        if (!region) return false;
        // Opaque black, one row built and copied down.
        std::vector<unsigned char> blackRow(kAtlasSize * 4, 0);
        for (int x = 0; x < kAtlasSize; ++x) blackRow[x * 4 + 3] = 255;
        for (int y = 0; y < kAtlasSize; ++y)
            std::memcpy(static_cast<unsigned char*>(region->data) + y * region->pitch, blackRow.data(), blackRow.size());
        al_unlock_bitmap(atlas);
    }
    for (int i = 0; i < kTileCount; ++i) {
        if (tiles[i].image) continue;
        tiles[i].image = al_create_sub_bitmap(atlas, AtlasX(i), AtlasY(i), kTileSize, kTileSize);
        if (!tiles[i].image) return false;
    }
    return true;
}

void Tileset::New()
{
    Unload();
    description.clear();
    fileName.clear();
    for (Tile& tile : tiles) {
        tile.description = "(none)";
        tile.type = TileLand;
    }
    if (!CreateAtlas()) {
        Unload();
        // No memory for the atlas: a fault the program cannot go on from.
        KW_Fatal("Unable to allocate tile");
    }
    loaded = true;
}

// File layout (little-endian):
//   string  magic "Sodbolt Tileset"
//   int16   version (1; 0 and below read alike, above 1 refused)
//   string  set description
//   1024 x { string description, int8 type, stored bitmap image }
bool Tileset::Load(const char* path)
{
    BinaryStream in;
    int16_t version = 0;
    if (!in.OpenContentFile(path, kTilesetMagic, kTilesetVersion, version, "Not a valid tileset file",
                            "Tileset file version is too advanced")) {
        lastError = in.lastError;
        return false;
    }

    // The whole file is read and checked before any bitmap is made: the 32 x
    // 32 pictures into one staging buffer, others into their own bitmaps.
    Tileset fresh;
    fresh.description = in.ReadStdString();
    std::vector<unsigned char> staged;
    struct OddTile {
        int index, width, height;
        std::vector<unsigned char> pixels;
    };
    std::vector<OddTile> oddTiles;
    for (int i = 0; i < kTileCount && !in.Damaged(); ++i) {
        Tile& tile = fresh.tiles[i];
        tile.description = in.ReadStdString();
        tile.type = static_cast<TileType>(in.ReadInt8());
        int width = 0, height = 0;
        if (!in.ReadBitmapSize(width, height)) break;
        if (width == kTileSize && height == kTileSize) {
            if (staged.empty()) staged.assign(kTileBytes * kTileCount, 0);
            in.ReadBytes(&staged[kTileBytes * i], kTileBytes);
        } else {
            OddTile odd{i, width, height, std::vector<unsigned char>(static_cast<size_t>(width) * height * 3)};
            in.ReadBytes(odd.pixels.data(), odd.pixels.size());
            oddTiles.push_back(std::move(odd));
        }
    }
    if (in.Damaged()) {
        lastError = in.DamagedText();
        return false;
    }
    in.Close();

    // One lock fills the atlas.
    fresh.atlas = al_create_bitmap(kAtlasSize, kAtlasSize);
    ALLEGRO_LOCKED_REGION* region =
        fresh.atlas ? al_lock_bitmap(fresh.atlas, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY)
                    : nullptr;
    if (!region) {
        lastError = "Unable to allocate tile";
        return false;
    }
    if (staged.empty()) staged.assign(kTileBytes * kTileCount, 0);
    for (int i = 0; i < kTileCount; ++i) {
        const unsigned char* source = &staged[kTileBytes * i];
        for (int y = 0; y < kTileSize; ++y) {
            unsigned char* target =
                static_cast<unsigned char*>(region->data) + (AtlasY(i) + y) * region->pitch + AtlasX(i) * 4;
            for (int x = 0; x < kTileSize; ++x, source += 3, target += 4) {
                target[0] = source[0];
                target[1] = source[1];
                target[2] = source[2];
                target[3] = 255;
            }
        }
    }
    al_unlock_bitmap(fresh.atlas);
    // A tile whose own picture cannot be made keeps a black place in the atlas.
    for (const OddTile& odd : oddTiles)
        fresh.tiles[odd.index].image = MakeBitmapFromRgb(odd.pixels.data(), odd.width, odd.height);
    if (!fresh.CreateAtlas()) {
        lastError = "Unable to allocate tile";
        return false;
    }
    fresh.fileName = path;
    fresh.loaded = true;
    Swap(fresh);
    return true;
}

bool Tileset::Save(const char* path)
{
    BinaryStream out;
    if (!out.OpenForWriting(path)) {
        lastError = out.lastError;
        return false;
    }
    out.WriteStdString(kTilesetMagic);
    out.WriteInt16(kTilesetVersion);
    out.WriteStdString(description);

    ALLEGRO_LOCKED_REGION* region =
        atlas ? al_lock_bitmap(atlas, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY) : nullptr;
    if (atlas && !region) {
        // Without the pixels nothing is written; the old file stays.
        lastError = "Unable to write " + std::string(path);
        return false;
    }
    std::vector<unsigned char> pixels(kTileBytes);
    for (const Tile& tile : tiles) {
        out.WriteStdString(tile.description);
        out.WriteInt8(tile.type);
        const bool inAtlas = tile.image && region && al_get_parent_bitmap(tile.image) == atlas &&
                             al_get_bitmap_width(tile.image) == kTileSize &&
                             al_get_bitmap_height(tile.image) == kTileSize;
        if (inAtlas) {
            const int atlasX = al_get_bitmap_x(tile.image);
            const int atlasY = al_get_bitmap_y(tile.image);
            unsigned char* target = pixels.data();
            for (int y = 0; y < kTileSize; ++y) {
                const unsigned char* source =
                    static_cast<const unsigned char*>(region->data) + (atlasY + y) * region->pitch + atlasX * 4;
                for (int x = 0; x < kTileSize; ++x, source += 4, target += 3) {
                    target[0] = source[0];
                    target[1] = source[1];
                    target[2] = source[2];
                }
            }
            out.WriteUInt16(kTileSize);
            out.WriteUInt16(kTileSize);
            out.WriteBytes(pixels.data(), pixels.size());
        } else if (tile.image && al_get_parent_bitmap(tile.image) != atlas) {
            out.WriteAllegroBitmap(tile.image);
        } else {
            // A tile without a picture is stored black.
            std::memset(pixels.data(), 0, pixels.size());
            out.WriteUInt16(kTileSize);
            out.WriteUInt16(kTileSize);
            out.WriteBytes(pixels.data(), pixels.size());
        }
    }
    if (region) al_unlock_bitmap(atlas);

    if (!out.Finish()) {
        lastError = out.lastError;
        return false;
    }
    fileName = path;
    return true;
}

ALLEGRO_BITMAP* Tileset::GetTileImage(int index) const
{
    if (index < 0 || index >= kTileCount) return nullptr;
    return tiles[index].image;
}

TileType Tileset::GetTileType(int index) const
{
    if (index < 0 || index >= kTileCount) return TileLand;
    return tiles[index].type;
}

void Tileset::DrawTile(int index, float x, float y) const
{
    ALLEGRO_BITMAP* image = GetTileImage(index);
    if (image) al_draw_bitmap(image, x, y, 0);
}

void Tileset::Swap(Tileset& other)
{
    std::swap(tiles, other.tiles);
    std::swap(description, other.description);
    std::swap(fileName, other.fileName);
    std::swap(loaded, other.loaded);
    std::swap(atlas, other.atlas);
}
