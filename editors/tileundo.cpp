// The tile editor's undo steps: tile snapshots read from and put back into
// the set's pictures.
#include "editors/tileundo.h"

#include <algorithm>
#include <utility>

bool SameTile(const TileSnapshot& a, const TileSnapshot& b)
{
    return a.index == b.index && a.width == b.width && a.height == b.height && a.type == b.type &&
           a.description == b.description && a.pixels == b.pixels;
}

uint32_t PackTilePixel(ALLEGRO_COLOR colour)
{
    unsigned char r = 0, g = 0, b = 0, a = 0;
    al_unmap_rgba(colour, &r, &g, &b, &a);
    return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16 |
           static_cast<uint32_t>(a) << 24;
}

ALLEGRO_COLOR UnpackTilePixel(uint32_t pixel)
{
    return al_map_rgba(pixel & 0xff, (pixel >> 8) & 0xff, (pixel >> 16) & 0xff, (pixel >> 24) & 0xff);
}

namespace {

// ABGR_8888_LE keeps red, green, blue, alpha in that byte order on any host.
constexpr int kLockFormat = ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE;

void CopyOut(const ALLEGRO_LOCKED_REGION* region, int left, int top, int width, int height, uint32_t* pixels)
{
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = static_cast<const unsigned char*>(region->data) + (top + y) * region->pitch + left * 4;
        for (int x = 0; x < width; ++x, row += 4)
            *pixels++ = static_cast<uint32_t>(row[0]) | static_cast<uint32_t>(row[1]) << 8 |
                        static_cast<uint32_t>(row[2]) << 16 | static_cast<uint32_t>(row[3]) << 24;
    }
}

}  // namespace

std::vector<uint32_t> ReadTilePixels(ALLEGRO_BITMAP* image, int& width, int& height)
{
    width = height = 0;
    if (!image) return {};
    const int w = al_get_bitmap_width(image), h = al_get_bitmap_height(image);
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(image, kLockFormat, ALLEGRO_LOCK_READONLY);
    if (!region) return {};
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    CopyOut(region, 0, 0, w, h, pixels.data());
    al_unlock_bitmap(image);
    width = w;
    height = h;
    return pixels;
}

bool WriteTilePixels(ALLEGRO_BITMAP* image, const std::vector<uint32_t>& pixels)
{
    if (!image) return false;
    const int w = al_get_bitmap_width(image), h = al_get_bitmap_height(image);
    if (pixels.size() != static_cast<size_t>(w) * h) return false;
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(image, kLockFormat, ALLEGRO_LOCK_WRITEONLY);
    if (!region) return false;
    const uint32_t* source = pixels.data();
    for (int y = 0; y < h; ++y) {
        unsigned char* row = static_cast<unsigned char*>(region->data) + y * region->pitch;
        for (int x = 0; x < w; ++x, row += 4, ++source) {
            row[0] = *source & 0xff;
            row[1] = (*source >> 8) & 0xff;
            row[2] = (*source >> 16) & 0xff;
            row[3] = (*source >> 24) & 0xff;
        }
    }
    al_unlock_bitmap(image);
    return true;
}

TileSnapshot CaptureTile(const Tileset& tileset, int index)
{
    TileSnapshot snapshot;
    snapshot.index = index;
    if (index < 0 || index >= Tileset::kTileCount) return snapshot;
    const Tile& tile = tileset.tiles[index];
    snapshot.pixels = ReadTilePixels(tile.image, snapshot.width, snapshot.height);
    snapshot.description = tile.description;
    snapshot.type = tile.type;
    return snapshot;
}

std::vector<TileSnapshot> CaptureAllTiles(const Tileset& tileset)
{
    std::vector<TileSnapshot> all(Tileset::kTileCount);
    ALLEGRO_BITMAP* atlas = tileset.GetAtlas();
    ALLEGRO_LOCKED_REGION* region = atlas ? al_lock_bitmap(atlas, kLockFormat, ALLEGRO_LOCK_READONLY) : nullptr;
    std::vector<int> ownPictures;
    for (int i = 0; i < Tileset::kTileCount; ++i) {
        const Tile& tile = tileset.tiles[i];
        TileSnapshot& snapshot = all[i];
        snapshot.index = i;
        snapshot.description = tile.description;
        snapshot.type = tile.type;
        const bool inAtlas = region && tile.image && al_get_parent_bitmap(tile.image) == atlas &&
                             al_get_bitmap_width(tile.image) == Tileset::kTileSize &&
                             al_get_bitmap_height(tile.image) == Tileset::kTileSize;
        if (!inAtlas) {
            ownPictures.push_back(i);
            continue;
        }
        snapshot.width = snapshot.height = Tileset::kTileSize;
        snapshot.pixels.resize(Tileset::kTileSize * Tileset::kTileSize);
        CopyOut(region, Tileset::AtlasX(i), Tileset::AtlasY(i), Tileset::kTileSize, Tileset::kTileSize,
                snapshot.pixels.data());
    }
    if (region) al_unlock_bitmap(atlas);
    // tiles of other sizes, read one by one once the atlas is free again
    for (int i : ownPictures)
        all[i].pixels = ReadTilePixels(tileset.tiles[i].image, all[i].width, all[i].height);
    return all;
}

void RestoreTile(Tileset& tileset, const TileSnapshot& snapshot)
{
    if (snapshot.index < 0 || snapshot.index >= Tileset::kTileCount) return;
    Tile& tile = tileset.tiles[snapshot.index];
    tile.description = snapshot.description;
    tile.type = static_cast<TileType>(snapshot.type);
    if (snapshot.width <= 0 || snapshot.height <= 0) return;
    const bool sameSize = tile.image && al_get_bitmap_width(tile.image) == snapshot.width &&
                          al_get_bitmap_height(tile.image) == snapshot.height;
    if (!sameSize) {
        ALLEGRO_BITMAP* atlas = tileset.GetAtlas();
        const bool atlasPlace = atlas && snapshot.width == Tileset::kTileSize && snapshot.height == Tileset::kTileSize;
        ALLEGRO_BITMAP* fresh =
            atlasPlace ? al_create_sub_bitmap(atlas, Tileset::AtlasX(snapshot.index), Tileset::AtlasY(snapshot.index),
                                              Tileset::kTileSize, Tileset::kTileSize)
                       : al_create_bitmap(snapshot.width, snapshot.height);
        // Without memory for it the tile keeps the picture it has.
        if (!fresh) return;
        if (tile.image) al_destroy_bitmap(tile.image);
        tile.image = fresh;
    }
    WriteTilePixels(tile.image, snapshot.pixels);
}

TileEditStep StepForChangedTiles(std::vector<TileSnapshot> before, const std::vector<TileSnapshot>& after,
                                 const std::string& setDescriptionBefore)
{
    TileEditStep step;
    step.setDescription = setDescriptionBefore;
    for (TileSnapshot& old : before) {
        auto now = std::find_if(after.begin(), after.end(),
                                [&old](const TileSnapshot& tile) { return tile.index == old.index; });
        if (now == after.end() || !SameTile(old, *now)) step.tiles.push_back(std::move(old));
    }
    return step;
}

bool StepChangesSomething(const TileEditStep& step, const std::string& setDescriptionNow)
{
    return !step.tiles.empty() || step.setDescription != setDescriptionNow;
}

void RecordTileChange(UndoHistory<TileEditStep>& history, const Tileset& tileset, std::vector<TileSnapshot> before,
                      const std::string& setDescriptionBefore)
{
    std::vector<TileSnapshot> after;
    if (before.size() == static_cast<size_t>(Tileset::kTileCount)) {
        after = CaptureAllTiles(tileset);
    } else {
        after.reserve(before.size());
        for (const TileSnapshot& tile : before) after.push_back(CaptureTile(tileset, tile.index));
    }
    TileEditStep step = StepForChangedTiles(std::move(before), after, setDescriptionBefore);
    if (StepChangesSomething(step, tileset.description)) history.Record(std::move(step));
}

TileEditStep ApplyTileEditStep(Tileset& tileset, const TileEditStep& step)
{
    TileEditStep reverse;
    reverse.setDescription = tileset.description;
    reverse.tiles.reserve(step.tiles.size());
    for (const TileSnapshot& snapshot : step.tiles) {
        reverse.tiles.push_back(CaptureTile(tileset, snapshot.index));
        RestoreTile(tileset, snapshot);
    }
    tileset.description = step.setDescription;
    return reverse;
}

int TileToShowAfterStep(const TileEditStep& step, int currentTile)
{
    if (step.tiles.empty()) return currentTile;
    for (const TileSnapshot& tile : step.tiles)
        if (tile.index == currentTile) return currentTile;
    return step.tiles.front().index;
}

size_t TileEditStepBytes(const TileEditStep& step)
{
    size_t bytes = step.setDescription.size();
    for (const TileSnapshot& tile : step.tiles) bytes += tile.pixels.size() * sizeof(uint32_t) + tile.description.size();
    return bytes;
}
