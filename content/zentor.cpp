// Import of tile sets and sprites made for the older Zentor game. Only what
// the current formats can hold is kept; the rest of each file is skipped.
#include "content/zentor.h"

#include "content/binarystream.h"
#include "content/sprite.h"
#include "content/tileset.h"
#include "kwui/draw.h"
#include "platform/platform.h"

#include <cstring>
#include <vector>

// ---------------------------------------------------------------------------
// [SECTION] Tile set
//
//   offset   size         field
//   0        32           header text, "Qdx Type 4 Tileset" and a zero byte first
//   32       4            int32 version, must be 6
//   36       1024         skipped
//   1060     1024 x 28    int8 legacy type, 27-byte name field
//   29732    1024 x 305   skipped
//   342052   1024 x 512   16 x 16 pixels per tile, uint16 RGB565, rows top first
// A complete file is 866340 bytes.

static const char kZentorTilesetHeader[] = "Qdx Type 4 Tileset"; // compared with its zero
static const int kZentorTileSide = 16;
static const uint64_t kZentorTilesetBody = 1024 + 1024 * 28 + 312320 + 1024 * 512;

static TileType TileTypeFromZentor(int8_t code)
{
    switch (code) {
    case 1: return TileSolid;
    case 2: return TileWater;
    default: return TileLand; // 0, and any code Zentor had that we do not
    }
}

bool ImportZentorTileset(Tileset& tileset, const char* path)
{
    const std::string pathText = path ? path : "";
    BinaryStream in;
    if (!in.OpenForReading(pathText.c_str())) {
        tileset.lastError = "ImportZentorTileset: Unable to open " + pathText;
        return false;
    }
    char header[32];
    in.ReadBytes(header, sizeof header);
    if (std::memcmp(header, kZentorTilesetHeader, sizeof kZentorTilesetHeader) != 0) {
        tileset.lastError = "ImportZentorTileset: " + pathText + " is not a valid Zentor tileset file";
        return false;
    }
    const int32_t version = in.ReadInt32();
    if (in.Damaged()) {
        tileset.lastError = in.DamagedText();
        return false;
    }
    if (version != 6) {
        tileset.lastError = "ImportZentorTileset: " + pathText +
                            " is an unsupported tileset version, only version 6 tilesets may be imported";
        return false;
    }
    if (in.Remaining() < kZentorTilesetBody) {
        tileset.lastError = in.DamagedText();
        return false;
    }

    Tileset fresh;
    if (!fresh.CreateAtlas()) {
        tileset.lastError = "ImportZentorTileset: Unable to allocate temp tile bitmap";
        return false;
    }
    for (Tile& tile : fresh.tiles) tile.description = "(none)";

    in.Skip(1024);
    for (Tile& tile : fresh.tiles) {
        const int8_t code = in.ReadInt8();
        tile.description = in.ReadFixedString(27);
        tile.type = TileTypeFromZentor(code);
    }
    in.Skip(312320);

    // Each 16 x 16 picture is doubled into its 32 x 32 place in the atlas.
    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(fresh.atlas, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READWRITE);
    if (!region) {
        tileset.lastError = "ImportZentorTileset: Unable to allocate temp tile bitmap";
        return false;
    }
    unsigned char pixels[kZentorTileSide * kZentorTileSide * 2];
    for (int i = 0; i < Tileset::kTileCount && !in.Damaged(); ++i) {
        in.ReadBytes(pixels, sizeof pixels);
        for (int y = 0; y < kZentorTileSide; ++y) {
            for (int x = 0; x < kZentorTileSide; ++x) {
                const unsigned char* source = pixels + (y * kZentorTileSide + x) * 2;
                unsigned char r, g, b;
                al_unmap_rgb(KW_ColourFrom565(static_cast<uint16_t>(source[0] | (source[1] << 8))), &r, &g, &b);
                for (int dy = 0; dy < 2; ++dy) {
                    unsigned char* target = static_cast<unsigned char*>(region->data) +
                                            (Tileset::AtlasY(i) + y * 2 + dy) * region->pitch +
                                            (Tileset::AtlasX(i) + x * 2) * 4;
                    for (int dx = 0; dx < 2; ++dx, target += 4) {
                        target[0] = r;
                        target[1] = g;
                        target[2] = b;
                        target[3] = 255;
                    }
                }
            }
        }
    }
    al_unlock_bitmap(fresh.atlas);
    if (in.Damaged()) {
        tileset.lastError = in.DamagedText();
        return false;
    }
    fresh.loaded = true;
    tileset.Swap(fresh);
    return true;
}

// ---------------------------------------------------------------------------
// [SECTION] Sprite
//
//   field            size      versions   use
//   header text      32        all        "Qdx Sprite File", any letter case
//   version          int32     all        above 6 refused
//   description      32 text   all        kept
//   frame count      int8      all
//   extra count      int8      all
//   value            int32     all        skipped
//   text             256       6          skipped
//   extra images     each: 32 text, 3 x int32, 256 text (4 and up), legacy bitmap; skipped
//   frames           each: int32 time, 256 text name (4 and up), legacy bitmap
//                    (1-byte pixels below 4, 2-byte from 4), 256 text (6); kept
//   trailer          1; +1 (2 and up); +4 (3 only); +7 (5 and up); skipped

bool ImportZentorSprite(Sprite& sprite, const char* path)
{
    const std::string pathText = path ? path : "";
    BinaryStream in;
    if (!in.OpenForReading(pathText.c_str())) {
        sprite.lastError = in.lastError;
        return false;
    }
    char header[33] = {};
    in.ReadBytes(header, 32);
    const int32_t version = in.ReadInt32();
    if (!PlatformEqualsNoCase(header, "Qdx Sprite File")) {
        sprite.lastError = "Not a valid Zentor sprite file.";
        return false;
    }
    if (in.Damaged()) {
        sprite.lastError = in.DamagedText();
        return false;
    }
    if (version > 6) {
        sprite.lastError = "Sprite file format too advanced";
        return false;
    }
    const bool eightBit = version < 4;

    Sprite fresh;
    fresh.description = in.ReadFixedString(32);
    const int8_t frameCount = in.ReadInt8();
    const int8_t extraCount = in.ReadInt8();
    in.Skip(4);
    if (version == 6) in.Skip(256);

    for (int i = 0; i < extraCount && !in.Damaged(); ++i) {
        in.Skip(32 + 12);
        if (version >= 4) in.Skip(256);
        in.SkipZentorBitmap(eightBit);
    }
    for (int i = 0; i < frameCount && !in.Damaged(); ++i) {
        SpriteFrame frame;
        frame.displayTime = static_cast<int16_t>(in.ReadUInt32() & 0xFFFF);
        if (version >= 4) frame.name = in.ReadFixedString(256);
        frame.image = in.ReadZentorBitmap(eightBit);
        if (version == 6) in.Skip(256);
        if (!frame.image) {
            if (!in.Damaged()) {
                sprite.lastError = "Unable to allocate frame image";
                return false;
            }
            break;
        }
        fresh.frames.push_back(std::move(frame));
    }
    // Trailer.
    uint64_t trailer = 1;
    if (version >= 2) trailer += 1;
    if (version == 3) trailer += 4;
    if (version >= 5) trailer += 7;
    in.Skip(trailer);
    if (in.Damaged()) {
        sprite.lastError = in.DamagedText();
        return false;
    }
    in.Close();
    fresh.BuildShadows();
    fresh.UpdateBounds();
    fresh.currentFrame = 0;
    KW_GetDateTime(fresh.frameStamp);
    sprite.Swap(fresh);
    return true;
}
