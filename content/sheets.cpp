// Tile sheets and sprite strips as PNG, the strip's frame list as JSON.
#include "content/sheets.h"

#include "content/imagefile.h"
#include "content/sprite.h"
#include "content/tiledmap.h"
#include "content/tileset.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kTile = Tileset::kTileSize;
// Larger text files than this are no frame list.
constexpr long kMaxJsonBytes = 16 * 1024 * 1024;

unsigned char* PixelAt(ALLEGRO_LOCKED_REGION* region, int x, int y)
{
    return static_cast<unsigned char*>(region->data) + y * region->pitch + x * 4;
}

// Locks a whole bitmap as R, G, B, A bytes.
ALLEGRO_LOCKED_REGION* LockRgba(ALLEGRO_BITMAP* bitmap, int mode)
{
    return al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, mode);
}

bool ReadTextFile(const std::string& path, std::string& text)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    text.clear();
    char buffer[65536];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, count);
        if (static_cast<long>(text.size()) > kMaxJsonBytes) break;
    }
    const bool ok = !std::ferror(file) && static_cast<long>(text.size()) <= kMaxJsonBytes;
    std::fclose(file);
    return ok;
}

} // namespace

std::string ReplaceExtension(const std::string& path, const std::string& extension)
{
    const size_t slash = path.find_last_of("/\\");
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == slash + 1)
        return path + extension;
    return path.substr(0, dot) + extension;
}

ALLEGRO_BITMAP* CreateMemoryBitmap(int width, int height)
{
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_NEW_BITMAP_PARAMETERS);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE);
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, height);
    al_restore_state(&state);
    if (!bitmap) return nullptr;
    ALLEGRO_LOCKED_REGION* region = LockRgba(bitmap, ALLEGRO_LOCK_WRITEONLY);
    if (!region) {
        al_destroy_bitmap(bitmap);
        return nullptr;
    }
    for (int y = 0; y < height; ++y) std::memset(PixelAt(region, 0, y), 0, static_cast<size_t>(width) * 4);
    al_unlock_bitmap(bitmap);
    return bitmap;
}

ALLEGRO_BITMAP* LoadPictureAsMemory(const std::string& path)
{
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_NEW_BITMAP_PARAMETERS);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE);
    ALLEGRO_BITMAP* bitmap = al_load_bitmap_flags(path.c_str(), ALLEGRO_NO_PREMULTIPLIED_ALPHA);
    al_restore_state(&state);
    return bitmap;
}

// ---------------------------------------------------------------------------
// [SECTION] Tile sheets

ALLEGRO_BITMAP* MakeTileSheet(const Tileset& tileset)
{
    ALLEGRO_BITMAP* sheet = CreateMemoryBitmap(Tileset::kAtlasSize, Tileset::kAtlasSize);
    if (!sheet) return nullptr;
    ALLEGRO_LOCKED_REGION* out = LockRgba(sheet, ALLEGRO_LOCK_WRITEONLY);
    ALLEGRO_BITMAP* atlas = tileset.GetAtlas();
    ALLEGRO_LOCKED_REGION* in = atlas ? LockRgba(atlas, ALLEGRO_LOCK_READONLY) : nullptr;
    if (!out || (atlas && !in)) {
        if (out) al_unlock_bitmap(sheet);
        if (in) al_unlock_bitmap(atlas);
        al_destroy_bitmap(sheet);
        return nullptr;
    }
    for (int i = 0; i < Tileset::kTileCount; ++i) {
        ALLEGRO_BITMAP* image = tileset.tiles[i].image;
        const int sheetX = Tileset::AtlasX(i), sheetY = Tileset::AtlasY(i);
        ALLEGRO_LOCKED_REGION* source = nullptr;
        int originX = 0, originY = 0, width = kTile, height = kTile;
        bool ownLock = false;
        if (image && in && al_get_parent_bitmap(image) == atlas) {
            source = in;
            originX = al_get_bitmap_x(image);
            originY = al_get_bitmap_y(image);
        } else if (image) {
            source = LockRgba(image, ALLEGRO_LOCK_READONLY);
            ownLock = source != nullptr;
            width = al_get_bitmap_width(image);
            height = al_get_bitmap_height(image);
        }
        for (int y = 0; y < kTile; ++y) {
            for (int x = 0; x < kTile; ++x) {
                unsigned char* target = PixelAt(out, sheetX + x, sheetY + y);
                if (!source) {
                    // A tile without a picture is stored black.
                    target[0] = target[1] = target[2] = 0;
                    target[3] = 255;
                    continue;
                }
                const unsigned char* pixel =
                    PixelAt(source, originX + x * width / kTile, originY + y * height / kTile);
                if (pixel[3] == 0) {
                    target[0] = 255;
                    target[1] = 0;
                    target[2] = 255;
                } else {
                    target[0] = pixel[0];
                    target[1] = pixel[1];
                    target[2] = pixel[2];
                }
                target[3] = 255;
            }
        }
        if (ownLock) al_unlock_bitmap(image);
    }
    if (in) al_unlock_bitmap(atlas);
    al_unlock_bitmap(sheet);
    return sheet;
}

bool ApplyTileSheet(Tileset& tileset, ALLEGRO_BITMAP* sheet, const TileSheetLayout& layout,
                    const std::string& displayName, std::string& error)
{
    const int width = al_get_bitmap_width(sheet), height = al_get_bitmap_height(sheet);
    const int step = kTile + layout.spacing;
    const int fitColumns = (width - 2 * layout.margin + layout.spacing) / step;
    const int rows = (height - 2 * layout.margin + layout.spacing) / step;
    const int columns = layout.columns > 0 ? std::min(layout.columns, fitColumns) : fitColumns;
    if (columns <= 0 || rows <= 0) {
        error = displayName + ": the sheet of " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels holds no whole 32 x 32 tile";
        return false;
    }
    long count = static_cast<long>(columns) * rows;
    if (layout.tileCount > 0 && layout.tileCount < count) count = layout.tileCount;
    if (count > Tileset::kTileCount) {
        error = displayName + ": the sheet holds " + std::to_string(count) + " tiles; a Sodbolt tile set has " +
                std::to_string(Tileset::kTileCount);
        return false;
    }
    for (const auto& entry : layout.tiles) {
        if (entry.first < 0 || entry.first >= Tileset::kTileCount) {
            error = displayName + ": tile " + std::to_string(entry.first) + " is beyond the 1024 tiles of a Sodbolt tile set";
            return false;
        }
    }

    // A fresh set takes the old one's pictures and the sheet's; the old set is
    // only replaced once everything is made.
    Tileset fresh;
    fresh.New();
    if (!fresh.loaded) {
        error = "Unable to allocate tile";
        return false;
    }
    ALLEGRO_BITMAP* freshAtlas = fresh.GetAtlas();
    ALLEGRO_BITMAP* oldAtlas = tileset.GetAtlas();
    ALLEGRO_LOCKED_REGION* out = LockRgba(freshAtlas, ALLEGRO_LOCK_WRITEONLY);
    ALLEGRO_LOCKED_REGION* old = oldAtlas ? LockRgba(oldAtlas, ALLEGRO_LOCK_READONLY) : nullptr;
    ALLEGRO_LOCKED_REGION* in = LockRgba(sheet, ALLEGRO_LOCK_READONLY);
    if (!out || !in || (oldAtlas && !old)) {
        if (out) al_unlock_bitmap(freshAtlas);
        if (old) al_unlock_bitmap(oldAtlas);
        if (in) al_unlock_bitmap(sheet);
        error = "Unable to allocate tile";
        return false;
    }
    for (int i = 0; i < Tileset::kTileCount; ++i) {
        const Tile& before = tileset.tiles[i];
        Tile& tile = fresh.tiles[i];
        tile.description = before.description;
        tile.type = before.type;
        const int atlasX = Tileset::AtlasX(i), atlasY = Tileset::AtlasY(i);
        if (i < count) {
            const int sheetX = layout.margin + (i % columns) * step;
            const int sheetY = layout.margin + (i / columns) * step;
            for (int y = 0; y < kTile; ++y) {
                for (int x = 0; x < kTile; ++x) {
                    const unsigned char* pixel = PixelAt(in, sheetX + x, sheetY + y);
                    unsigned char* target = PixelAt(out, atlasX + x, atlasY + y);
                    if (pixel[3] == 0) {
                        target[0] = 255;
                        target[1] = 0;
                        target[2] = 255;
                    } else {
                        std::memcpy(target, pixel, 3);
                    }
                    target[3] = 255;
                }
            }
        } else if (before.image && old && al_get_parent_bitmap(before.image) == oldAtlas) {
            for (int y = 0; y < kTile; ++y)
                std::memcpy(PixelAt(out, atlasX, atlasY + y),
                            PixelAt(old, al_get_bitmap_x(before.image), al_get_bitmap_y(before.image) + y), kTile * 4);
        } else if (before.image) {
            // A tile of its own size keeps its own picture.
            ALLEGRO_BITMAP* copy = al_clone_bitmap(before.image);
            if (copy) {
                al_destroy_bitmap(tile.image);
                tile.image = copy;
            }
        }
    }
    al_unlock_bitmap(sheet);
    if (old) al_unlock_bitmap(oldAtlas);
    al_unlock_bitmap(freshAtlas);

    for (const auto& entry : layout.tiles) {
        Tile& tile = fresh.tiles[entry.first];
        if (entry.second.hasType) tile.type = static_cast<TileType>(entry.second.type);
        if (entry.second.hasDescription) tile.description = entry.second.description;
    }
    fresh.description = layout.hasSetDescription ? layout.setDescription : tileset.description;
    fresh.fileName = tileset.fileName;
    tileset.Swap(fresh);
    return true;
}

bool ImportTileSheetPng(Tileset& tileset, const std::string& path, std::string& error)
{
    const std::string name = FileDisplayName(path);
    ALLEGRO_BITMAP* sheet = LoadPictureAsMemory(path);
    if (!sheet) {
        error = name + ": not a picture this program can read";
        return false;
    }
    const int width = al_get_bitmap_width(sheet), height = al_get_bitmap_height(sheet);
    bool ok = false;
    if (width % kTile != 0 || height % kTile != 0) {
        error = name + ": the sheet is " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels; a tile sheet's sides are multiples of 32";
    } else {
        ok = ApplyTileSheet(tileset, sheet, TileSheetLayout(), name, error);
    }
    al_destroy_bitmap(sheet);
    return ok;
}

// ---------------------------------------------------------------------------
// [SECTION] Sprite strips
//
// The JSON beside a strip:
//   {"frames": [{"filename": NAME, "frame": {"x", "y", "w", "h"}, "duration": MS,
//                "displayTime": HUNDREDTHS}, ...],
//    "meta": {"app": "Sodbolt", "image": STRIP.png, "size": {"w", "h"}, "description": TEXT}}
// "displayTime" is the game's own value (0 and below: every step) and wins
// over "duration" when both are there; other tools' files need only "frame".

bool ExportSpriteStrip(const Sprite& sprite, const std::string& pngPath, std::string& error)
{
    const std::string name = FileDisplayName(pngPath);
    if (sprite.frames.empty()) {
        error = "Cannot export sprite because no frames exist";
        return false;
    }
    int cellWidth = 0, cellHeight = 0;
    for (const SpriteFrame& frame : sprite.frames) {
        if (!frame.image) continue;
        cellWidth = std::max(cellWidth, al_get_bitmap_width(frame.image));
        cellHeight = std::max(cellHeight, al_get_bitmap_height(frame.image));
    }
    const long stripWidth = static_cast<long>(cellWidth) * static_cast<long>(sprite.frames.size());
    if (cellWidth == 0 || stripWidth > 32767) {
        error = name + ": " + std::to_string(sprite.frames.size()) + " frames of " + std::to_string(cellWidth) +
                " pixels do not fit one picture's width of 32767";
        return false;
    }
    ALLEGRO_BITMAP* strip = CreateMemoryBitmap(static_cast<int>(stripWidth), cellHeight);
    ALLEGRO_LOCKED_REGION* out = strip ? LockRgba(strip, ALLEGRO_LOCK_READWRITE) : nullptr;
    if (!out) {
        if (strip) al_destroy_bitmap(strip);
        error = "Unable to allocate frame image";
        return false;
    }
    nlohmann::ordered_json frames = nlohmann::ordered_json::array();
    for (size_t i = 0; i < sprite.frames.size(); ++i) {
        const SpriteFrame& frame = sprite.frames[i];
        const int width = frame.image ? al_get_bitmap_width(frame.image) : 0;
        const int height = frame.image ? al_get_bitmap_height(frame.image) : 0;
        const int x = static_cast<int>(i) * cellWidth;
        ALLEGRO_LOCKED_REGION* in = frame.image ? LockRgba(frame.image, ALLEGRO_LOCK_READONLY) : nullptr;
        if (in) {
            for (int y = 0; y < height; ++y) {
                for (int column = 0; column < width; ++column) {
                    const unsigned char* pixel = PixelAt(in, column, y);
                    unsigned char* target = PixelAt(out, x + column, y);
                    // A transparent pixel goes out fully clear.
                    if (pixel[3] == 0) std::memset(target, 0, 4);
                    else std::memcpy(target, pixel, 4);
                }
            }
            al_unlock_bitmap(frame.image);
        }
        nlohmann::ordered_json entry;
        entry["filename"] = frame.name;
        entry["frame"] = {{"x", x}, {"y", 0}, {"w", width}, {"h", height}};
        entry["duration"] = frame.displayTime > 0 ? frame.displayTime * 10 : 0;
        entry["displayTime"] = frame.displayTime;
        frames.push_back(entry);
    }
    al_unlock_bitmap(strip);

    nlohmann::ordered_json document;
    document["frames"] = frames;
    document["meta"] = {{"app", "Sodbolt"},
                        {"image", name},
                        {"size", {{"w", stripWidth}, {"h", cellHeight}}},
                        {"description", sprite.description}};
    const std::string jsonPath = ReplaceExtension(pngPath, ".json");
    const std::string text = document.dump(1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
    bool ok = SaveBitmapReplacing(pngPath.c_str(), strip);
    al_destroy_bitmap(strip);
    if (!ok) {
        error = "Unable to write " + pngPath;
        return false;
    }
    if (!SaveTextReplacing(jsonPath.c_str(), text)) {
        error = "Unable to write " + jsonPath;
        return false;
    }
    return true;
}

namespace {

struct StripFrame {
    std::string name;
    int x = 0, y = 0, w = 0, h = 0;
    int16_t displayTime = Sprite::kFirstFrameTime;
};

// A whole number from a JSON value, or false.
bool JsonInt(const nlohmann::json& value, long long lowest, long long highest, long long& out)
{
    if (value.is_number_integer()) {
        if (value.is_number_unsigned()) {
            const unsigned long long number = value.get<unsigned long long>();
            if (number > static_cast<unsigned long long>(highest)) return false;
            out = static_cast<long long>(number);
        } else {
            out = value.get<long long>();
        }
    } else if (value.is_number_float()) {
        const double number = value.get<double>();
        if (!std::isfinite(number) || number != std::floor(number) || number < lowest || number > highest)
            return false;
        out = static_cast<long long>(number);
    } else {
        return false;
    }
    return out >= lowest && out <= highest;
}

bool ReadFrameList(const std::string& jsonPath, std::vector<StripFrame>& frames, bool& hasDescription,
                   std::string& description, std::string& error)
{
    const std::string name = FileDisplayName(jsonPath);
    std::string text;
    if (!ReadTextFile(jsonPath, text)) {
        error = name + " cannot be read; a strip without it needs a frame width";
        return false;
    }
    const nlohmann::json document = nlohmann::json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        error = name + ": not a JSON frame list";
        return false;
    }
    const auto list = document.find("frames");
    if (list == document.end() || !list->is_array() || list->empty()) {
        error = name + ": there is no \"frames\" array of frames";
        return false;
    }
    if (list->size() > static_cast<size_t>(INT16_MAX)) {
        error = name + ": more frames than a sprite holds (32767)";
        return false;
    }
    for (size_t i = 0; i < list->size(); ++i) {
        const nlohmann::json& entry = (*list)[i];
        const std::string where = name + ": frame " + std::to_string(i);
        StripFrame frame;
        const nlohmann::json* rect = nullptr;
        if (entry.is_object()) {
            const auto found = entry.find("frame");
            if (found != entry.end() && found->is_object()) rect = &*found;
        }
        long long value[4] = {};
        const char* const keys[4] = {"x", "y", "w", "h"};
        bool sound = rect != nullptr;
        for (int k = 0; sound && k < 4; ++k) {
            const auto found = rect->find(keys[k]);
            sound = found != rect->end() && JsonInt(*found, k < 2 ? 0 : 1, 32767, value[k]);
        }
        if (!sound) {
            error = where + " has no \"frame\" rectangle of whole numbers (x, y from 0, w, h from 1)";
            return false;
        }
        frame.x = static_cast<int>(value[0]);
        frame.y = static_cast<int>(value[1]);
        frame.w = static_cast<int>(value[2]);
        frame.h = static_cast<int>(value[3]);
        for (const char* key : {"filename", "name"}) {
            const auto found = entry.find(key);
            if (found != entry.end() && found->is_string()) {
                frame.name = found->get<std::string>();
                break;
            }
        }
        long long number = 0;
        const auto own = entry.find("displayTime");
        const auto duration = entry.find("duration");
        if (own != entry.end()) {
            if (!JsonInt(*own, INT16_MIN, INT16_MAX, number)) {
                error = where + ": \"displayTime\" is not a number from -32768 to 32767";
                return false;
            }
            frame.displayTime = static_cast<int16_t>(number);
        } else if (duration != entry.end()) {
            if (!duration->is_number() || !(duration->get<double>() >= 0)) {
                error = where + ": \"duration\" is not a number of milliseconds";
                return false;
            }
            const double hundredths = std::round(duration->get<double>() / 10.0);
            frame.displayTime = static_cast<int16_t>(std::min(hundredths, 32767.0));
        }
        frames.push_back(frame);
    }
    const auto meta = document.find("meta");
    if (meta != document.end() && meta->is_object()) {
        const auto found = meta->find("description");
        if (found != meta->end() && found->is_string()) {
            hasDescription = true;
            description = found->get<std::string>();
        }
    }
    return true;
}

} // namespace

bool ImportSpriteStrip(Sprite& sprite, const std::string& pngPath, int frameWidth, std::string& error)
{
    const std::string name = FileDisplayName(pngPath);
    std::vector<StripFrame> frames;
    bool hasDescription = false;
    std::string description;
    if (frameWidth <= 0 &&
        !ReadFrameList(ReplaceExtension(pngPath, ".json"), frames, hasDescription, description, error))
        return false;

    ALLEGRO_BITMAP* strip = LoadPictureAsMemory(pngPath);
    if (!strip) {
        error = name + ": not a picture this program can read";
        return false;
    }
    const int width = al_get_bitmap_width(strip), height = al_get_bitmap_height(strip);
    if (frameWidth > 0) {
        if (width % frameWidth != 0 || width / frameWidth > INT16_MAX) {
            error = name + ": the strip's width of " + std::to_string(width) + " pixels is not a whole number of frames " +
                    std::to_string(frameWidth) + " pixels wide";
            al_destroy_bitmap(strip);
            return false;
        }
        for (int x = 0; x < width; x += frameWidth) {
            StripFrame frame;
            frame.name = "Frame " + std::to_string(x / frameWidth + 1);
            frame.x = x;
            frame.w = frameWidth;
            frame.h = height;
            frames.push_back(frame);
        }
    }
    for (size_t i = 0; i < frames.size(); ++i) {
        const StripFrame& frame = frames[i];
        if (frame.x + frame.w > width || frame.y + frame.h > height) {
            error = name + ": frame " + std::to_string(i) + " reaches outside the " + std::to_string(width) + " x " +
                    std::to_string(height) + " strip";
            al_destroy_bitmap(strip);
            return false;
        }
    }

    Sprite fresh;
    fresh.description = hasDescription ? description : sprite.description;
    ALLEGRO_LOCKED_REGION* in = LockRgba(strip, ALLEGRO_LOCK_READONLY);
    bool ok = in != nullptr;
    for (size_t i = 0; ok && i < frames.size(); ++i) {
        const StripFrame& frame = frames[i];
        SpriteFrame made;
        made.name = frame.name;
        made.displayTime = frame.displayTime;
        made.image = al_create_bitmap(frame.w, frame.h);
        ALLEGRO_LOCKED_REGION* out = made.image ? LockRgba(made.image, ALLEGRO_LOCK_WRITEONLY) : nullptr;
        if (!out) {
            if (made.image) al_destroy_bitmap(made.image);
            ok = false;
            break;
        }
        for (int y = 0; y < frame.h; ++y) {
            for (int x = 0; x < frame.w; ++x) {
                const unsigned char* pixel = PixelAt(in, frame.x + x, frame.y + y);
                unsigned char* target = PixelAt(out, x, y);
                const bool magenta = pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255;
                if (pixel[3] == 0 || magenta) std::memset(target, 0, 4);
                else std::memcpy(target, pixel, 4);
            }
        }
        al_unlock_bitmap(made.image);
        fresh.frames.push_back(std::move(made));
    }
    if (in) al_unlock_bitmap(strip);
    al_destroy_bitmap(strip);
    if (!ok) {
        error = "Unable to allocate frame image";
        return false;
    }
    fresh.BuildShadows();
    fresh.UpdateBounds();
    sprite.Swap(fresh);
    sprite.currentFrame = 0;
    return true;
}
