// TGA, BMP and ILBM readers and the TGA writer.
#include "content/picturefile.h"

#include "content/tiledmap.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// Larger pictures than this are refused (a damaged size field).
constexpr int kMaxSide = 32767;
constexpr uint64_t kMaxPixels = 64ull * 1024 * 1024;

// Reads little- or big-endian numbers and marks a read past the end.
class ByteReader {
public:
    ByteReader(const unsigned char* data, size_t size) : data(data), size(size) {}
    bool ok = true;
    size_t position = 0;
    bool Has(size_t count) const { return ok && position <= size && size - position >= count; }
    unsigned U8()
    {
        if (!Has(1)) return Fail();
        return data[position++];
    }
    unsigned U16() { unsigned a = U8(); return a | U8() << 8; }
    uint32_t U32() { uint32_t a = U16(); return a | static_cast<uint32_t>(U16()) << 16; }
    unsigned U16BE() { unsigned a = U8(); return a << 8 | U8(); }
    uint32_t U32BE() { uint32_t a = U16BE(); return a << 16 | U16BE(); }
    const unsigned char* Take(size_t count)
    {
        if (!Has(count)) {
            Fail();
            return nullptr;
        }
        const unsigned char* start = data + position;
        position += count;
        return start;
    }
    void Seek(size_t to)
    {
        if (to > size) Fail();
        else position = to;
    }
    size_t Left() const { return position <= size ? size - position : 0; }

private:
    unsigned Fail()
    {
        ok = false;
        return 0;
    }
    const unsigned char* data;
    size_t size;
};

bool SizeIsSane(long long width, long long height)
{
    return width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide &&
           static_cast<uint64_t>(width) * static_cast<uint64_t>(height) <= kMaxPixels;
}

void Start(PicturePixels& picture, int width, int height)
{
    picture.width = width;
    picture.height = height;
    picture.rgba.assign(static_cast<size_t>(width) * height * 4, 0);
}

void Put(PicturePixels& picture, int x, int y, unsigned r, unsigned g, unsigned b, unsigned a)
{
    unsigned char* pixel = &picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
    pixel[0] = static_cast<unsigned char>(r);
    pixel[1] = static_cast<unsigned char>(g);
    pixel[2] = static_cast<unsigned char>(b);
    pixel[3] = static_cast<unsigned char>(a);
}

unsigned Scale5(unsigned value) { return (value * 255 + 15) / 31; }

// A channel from a bit-field mask, scaled to 0..255; fallback without a mask.
unsigned MaskChannel(uint32_t value, uint32_t mask, unsigned fallback)
{
    if (mask == 0) return fallback;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    const uint32_t top = mask >> shift;
    const uint64_t level = (value & mask) >> shift;
    return static_cast<unsigned>((level * 255 + top / 2) / top);
}

// [SECTION] TGA
//
//   0  id length       1  colour map type   2  image type (1, 2, 3; +8 RLE)
//   3  map first (2)   5  map length (2)    7  map entry bits
//   8  x, y origin (2 each)  12 width (2)   14 height (2)
//   16 pixel bits      17 descriptor: bits 0-3 alpha bits, bit 4 right to
//                      left, bit 5 top row first
// then the id, the colour map, the pixels (RLE: a count byte, bit 7 a run).

struct TgaColour {
    unsigned r = 0, g = 0, b = 0, a = 255;
};

bool ReadTgaColour(ByteReader& in, int bits, bool useAlpha, TgaColour& colour)
{
    if (bits == 15 || bits == 16) {
        const unsigned value = in.U16();
        colour.r = Scale5((value >> 10) & 31);
        colour.g = Scale5((value >> 5) & 31);
        colour.b = Scale5(value & 31);
        colour.a = useAlpha && bits == 16 && !(value & 0x8000) ? 0 : 255;
    } else if (bits == 24 || bits == 32) {
        colour.b = in.U8();
        colour.g = in.U8();
        colour.r = in.U8();
        colour.a = bits == 32 ? in.U8() : 255;
        if (!useAlpha) colour.a = 255;
    } else {
        return false;
    }
    return in.ok;
}

} // namespace

bool DecodeTga(const unsigned char* data, size_t size, PicturePixels& picture)
{
    ByteReader in(data, size);
    const unsigned idLength = in.U8(), mapType = in.U8(), imageType = in.U8();
    const unsigned mapFirst = in.U16(), mapLength = in.U16(), mapBits = in.U8();
    in.U16();
    in.U16();
    const unsigned width = in.U16(), height = in.U16(), bits = in.U8(), descriptor = in.U8();
    if (!in.ok || !SizeIsSane(width, height) || mapType > 1) return false;
    const unsigned kind = imageType & 7;
    const bool rle = imageType & 8;
    if (kind < 1 || kind > 3 || (imageType & ~15u)) return false;
    const bool useAlpha = (descriptor & 15) != 0;
    in.Take(idLength);

    std::vector<TgaColour> palette;
    if (mapType == 1) {
        if (mapFirst + mapLength > 65536) return false;
        palette.resize(mapFirst + mapLength);
        for (unsigned i = 0; i < mapLength; ++i)
            if (!ReadTgaColour(in, mapBits, true, palette[mapFirst + i])) return false;
    }
    if (kind == 1 && (mapType != 1 || (bits != 8 && bits != 16))) return false;
    if (kind == 2 && bits != 15 && bits != 16 && bits != 24 && bits != 32) return false;
    if (kind == 3 && bits != 8 && bits != 16) return false;

    auto readPixel = [&](TgaColour& colour) -> bool {
        if (kind == 1) {
            const unsigned index = bits == 8 ? in.U8() : in.U16();
            if (!in.ok) return false;
            colour = index < palette.size() ? palette[index] : TgaColour();
            return true;
        }
        if (kind == 3) {
            colour.r = colour.g = colour.b = in.U8();
            colour.a = bits == 16 ? in.U8() : 255;
            if (!useAlpha) colour.a = 255;
            return in.ok;
        }
        return ReadTgaColour(in, static_cast<int>(bits), useAlpha, colour);
    };

    Start(picture, static_cast<int>(width), static_cast<int>(height));
    const bool topFirst = descriptor & 0x20, rightToLeft = descriptor & 0x10;
    const size_t total = static_cast<size_t>(width) * height;
    size_t done = 0;
    auto place = [&](const TgaColour& colour) {
        const int row = static_cast<int>(done / width), column = static_cast<int>(done % width);
        const int y = topFirst ? row : static_cast<int>(height) - 1 - row;
        const int x = rightToLeft ? static_cast<int>(width) - 1 - column : column;
        Put(picture, x, y, colour.r, colour.g, colour.b, colour.a);
        ++done;
    };
    TgaColour colour;
    while (done < total) {
        if (!rle) {
            if (!readPixel(colour)) return false;
            place(colour);
            continue;
        }
        const unsigned header = in.U8();
        if (!in.ok) return false;
        const size_t count = std::min<size_t>((header & 0x7F) + 1, total - done);
        if (header & 0x80) {
            if (!readPixel(colour)) return false;
            for (size_t i = 0; i < count; ++i) place(colour);
        } else {
            for (size_t i = 0; i < count; ++i) {
                if (!readPixel(colour)) return false;
                place(colour);
            }
        }
    }
    // A 32-bit picture whose alpha is all zero was written without alpha.
    if (useAlpha) {
        bool allClear = true;
        for (size_t i = 3; i < picture.rgba.size() && allClear; i += 4) allClear = picture.rgba[i] == 0;
        if (allClear)
            for (size_t i = 3; i < picture.rgba.size(); i += 4) picture.rgba[i] = 255;
    }
    return true;
}

// [SECTION] BMP
//
//   file header: "BM", uint32 size, uint32 reserved, uint32 pixel offset
//   info header: uint32 size (12, 40, 52, 56, 108, 124), then width, height
//   (16 bits each in a 12-byte header, else signed 32; a negative height has
//   the top row first), planes, bits (1, 4, 8, 16, 24, 32), compression (0
//   none, 1 RLE8, 2 RLE4, 3 bit fields, 6 bit fields with alpha), ...; masks
//   R, G, B (A) in the header from 52 bytes up or after a 40-byte one; the
//   palette (4 bytes each, 3 for a 12-byte header); rows padded to 4 bytes.

bool DecodeBmp(const unsigned char* data, size_t size, PicturePixels& picture)
{
    ByteReader in(data, size);
    if (in.U8() != 'B' || in.U8() != 'M') return false;
    in.U32();
    in.U32();
    const uint32_t pixelOffset = in.U32();
    const uint32_t headerSize = in.U32();
    long long width = 0, height = 0;
    unsigned bits = 0;
    uint32_t compression = 0, colours = 0;
    if (headerSize == 12) {
        width = in.U16();
        height = in.U16();
        in.U16();
        bits = in.U16();
    } else if (headerSize >= 40) {
        width = static_cast<int32_t>(in.U32());
        height = static_cast<int32_t>(in.U32());
        in.U16();
        bits = in.U16();
        compression = in.U32();
        in.U32();
        in.U32();
        in.U32();
        colours = in.U32();
        in.U32();
    } else {
        return false;
    }
    if (!in.ok) return false;
    const bool topFirst = height < 0;
    if (topFirst) height = -height;
    if (!SizeIsSane(width, height)) return false;

    uint32_t masks[4] = {0, 0, 0, 0};
    const bool fields = compression == 3 || compression == 6;
    if (fields) {
        // Right after the 40 bytes of the header, inside a longer one.
        in.Seek(14 + 40);
        masks[0] = in.U32();
        masks[1] = in.U32();
        masks[2] = in.U32();
        if (headerSize >= 56 || compression == 6) masks[3] = in.U32();
    }
    if (bits == 16 && !fields) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    } else if (bits == 32 && !fields) {
        masks[0] = 0xFF0000;
        masks[1] = 0xFF00;
        masks[2] = 0xFF;
    }
    in.Seek(14 + headerSize);
    if (fields && headerSize == 40) in.Seek(14 + 40 + (compression == 6 ? 16 : 12));

    std::vector<TgaColour> palette;
    if (bits <= 8) {
        if (bits != 1 && bits != 4 && bits != 8) return false;
        const size_t count = colours ? colours : (1u << bits);
        if (count > 256) return false;
        const int entry = headerSize == 12 ? 3 : 4;
        palette.resize(256);
        for (size_t i = 0; i < count; ++i) {
            palette[i].b = in.U8();
            palette[i].g = in.U8();
            palette[i].r = in.U8();
            if (entry == 4) in.U8();
        }
    } else if (bits != 16 && bits != 24 && bits != 32) {
        return false;
    }
    if (!in.ok || pixelOffset > size) return false;
    if ((compression == 1 && bits != 8) || (compression == 2 && bits != 4) ||
        (compression != 0 && compression != 1 && compression != 2 && !fields))
        return false;

    Start(picture, static_cast<int>(width), static_cast<int>(height));
    auto rowY = [&](long long row) { return static_cast<int>(topFirst ? row : height - 1 - row); };
    in.Seek(pixelOffset);

    if (compression == 1 || compression == 2) {
        // RLE: pixels not given stay index 0.
        for (long long y = 0; y < height; ++y)
            for (long long x = 0; x < width; ++x)
                Put(picture, static_cast<int>(x), rowY(y), palette[0].r, palette[0].g, palette[0].b, 255);
        long long x = 0, row = 0;
        auto putIndex = [&](unsigned index) {
            if (x < width && row < height)
                Put(picture, static_cast<int>(x), rowY(row), palette[index].r, palette[index].g, palette[index].b, 255);
            ++x;
        };
        while (true) {
            const unsigned count = in.U8(), value = in.U8();
            if (!in.ok) return false;
            if (count > 0) {
                for (unsigned i = 0; i < count; ++i)
                    putIndex(compression == 1 ? value : (i % 2 == 0 ? value >> 4 : value & 15));
            } else if (value == 0) {
                x = 0;
                ++row;
            } else if (value == 1) {
                break;
            } else if (value == 2) {
                x += in.U8();
                row += in.U8();
            } else {
                const unsigned bytes = compression == 1 ? value : (value + 1) / 2;
                const unsigned char* literal = in.Take(bytes + (bytes & 1));
                if (!literal) return false;
                for (unsigned i = 0; i < value; ++i)
                    putIndex(compression == 1 ? literal[i] : (i % 2 == 0 ? literal[i / 2] >> 4 : literal[i / 2] & 15));
            }
            if (row > height) return false;
        }
        return in.ok;
    }

    const size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    if (in.Left() < stride * static_cast<size_t>(height)) return false;
    bool anyAlpha = false;
    for (long long row = 0; row < height; ++row) {
        const unsigned char* line = in.Take(stride);
        const int y = rowY(row);
        for (long long x = 0; x < width; ++x) {
            unsigned r, g, b, a = 255;
            if (bits <= 8) {
                const size_t bit = static_cast<size_t>(x) * bits;
                const unsigned index = (line[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                r = palette[index].r;
                g = palette[index].g;
                b = palette[index].b;
            } else if (bits == 24) {
                b = line[x * 3];
                g = line[x * 3 + 1];
                r = line[x * 3 + 2];
            } else {
                const unsigned char* p = line + x * (bits / 8);
                const uint32_t value = bits == 16 ? (p[0] | p[1] << 8)
                                                  : (p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
                r = MaskChannel(value, masks[0], 0);
                g = MaskChannel(value, masks[1], 0);
                b = MaskChannel(value, masks[2], 0);
                a = MaskChannel(value, masks[3], 255);
                if (masks[3] && a) anyAlpha = true;
            }
            Put(picture, static_cast<int>(x), y, r, g, b, a);
        }
    }
    // An alpha mask over all-zero alpha means the writer kept no alpha.
    if (masks[3] && !anyAlpha)
        for (size_t i = 3; i < picture.rgba.size(); i += 4) picture.rgba[i] = 255;
    return true;
}

// [SECTION] ILBM
//
//   "FORM", uint32 BE size, "ILBM", then chunks (id, uint32 BE size, data,
//   a pad byte to an even size):
//   BMHD  uint16 w, h; int16 x, y; uint8 planes, masking (1: a mask plane
//         follows each row's planes, 2: a transparent colour), compression
//         (0 none, 1 ByteRun1), pad; uint16 transparent colour; ...
//   CMAP  R, G, B for each colour
//   BODY  rows top first, each the planes' rows of ((w + 15) / 16) * 2 bytes
//   ByteRun1: n 0..127 copies n + 1 bytes, n -1..-127 repeats the next byte
//   1 - n times, -128 is nothing.

bool DecodeIlbm(const unsigned char* data, size_t size, PicturePixels& picture)
{
    ByteReader in(data, size);
    if (in.U32BE() != 0x464F524Du) return false; // FORM
    const uint32_t formSize = in.U32BE();
    if (in.U32BE() != 0x494C424Du) return false; // ILBM
    if (!in.ok) return false;
    const size_t end = std::min<size_t>(size, static_cast<size_t>(formSize) + 8);
    unsigned width = 0, height = 0, planes = 0, masking = 0, compression = 0, transparent = 0;
    bool haveHeader = false;
    std::vector<TgaColour> palette;
    const unsigned char* body = nullptr;
    size_t bodySize = 0;
    while (in.position + 8 <= end) {
        const uint32_t id = in.U32BE();
        const uint32_t chunkSize = in.U32BE();
        if (!in.Has(chunkSize)) return false;
        const size_t next = in.position + chunkSize + (chunkSize & 1);
        if (id == 0x424D4844u) { // BMHD
            if (chunkSize < 20) return false;
            width = in.U16BE();
            height = in.U16BE();
            in.U32BE();
            planes = in.U8();
            masking = in.U8();
            compression = in.U8();
            in.U8();
            transparent = in.U16BE();
            haveHeader = true;
        } else if (id == 0x434D4150u) { // CMAP
            palette.resize(chunkSize / 3);
            for (TgaColour& colour : palette) {
                colour.r = in.U8();
                colour.g = in.U8();
                colour.b = in.U8();
            }
        } else if (id == 0x424F4459u) { // BODY
            body = in.Take(chunkSize);
            bodySize = chunkSize;
        }
        if (next > size) {
            in.Seek(size);
            break;
        }
        in.Seek(next);
    }
    if (!haveHeader || !body || !SizeIsSane(width, height) || planes < 1 || planes > 8 || compression > 1 ||
        masking > 3)
        return false;
    if (palette.empty()) {
        // No colour map: a grey ramp.
        palette.resize(1u << planes);
        for (size_t i = 0; i < palette.size(); ++i)
            palette[i].r = palette[i].g = palette[i].b = static_cast<unsigned>(i * 255 / (palette.size() - 1 ? palette.size() - 1 : 1));
    }
    palette.resize(256);

    const size_t rowBytes = ((width + 15) / 16) * 2;
    const unsigned storedPlanes = planes + (masking == 1 ? 1 : 0);
    const size_t lineBytes = rowBytes * storedPlanes;
    std::vector<unsigned char> line(lineBytes);
    ByteReader source(body, bodySize);
    Start(picture, static_cast<int>(width), static_cast<int>(height));
    for (unsigned y = 0; y < height; ++y) {
        if (compression == 0) {
            const unsigned char* raw = source.Take(lineBytes);
            if (!raw) return false;
            std::memcpy(line.data(), raw, lineBytes);
        } else {
            size_t filled = 0;
            while (filled < lineBytes) {
                const int n = static_cast<int8_t>(source.U8());
                if (!source.ok) return false;
                if (n >= 0) {
                    const unsigned char* literal = source.Take(static_cast<size_t>(n) + 1);
                    if (!literal || filled + n + 1 > lineBytes) return false;
                    std::memcpy(&line[filled], literal, static_cast<size_t>(n) + 1);
                    filled += static_cast<size_t>(n) + 1;
                } else if (n != -128) {
                    const unsigned value = source.U8();
                    const size_t count = static_cast<size_t>(1 - n);
                    if (!source.ok || filled + count > lineBytes) return false;
                    std::memset(&line[filled], static_cast<int>(value), count);
                    filled += count;
                }
            }
        }
        for (unsigned x = 0; x < width; ++x) {
            unsigned index = 0;
            for (unsigned plane = 0; plane < planes; ++plane)
                if (line[plane * rowBytes + x / 8] & (0x80 >> (x % 8))) index |= 1u << plane;
            const TgaColour& colour = palette[index];
            const bool clear = masking == 2 && index == transparent;
            Put(picture, static_cast<int>(x), static_cast<int>(y), colour.r, colour.g, colour.b, clear ? 0 : 255);
        }
    }
    return true;
}

namespace {

enum class Kind { Other, Tga, Bmp, Ilbm };

Kind KindOf(const std::string& path)
{
    const size_t dot = path.rfind('.');
    const size_t slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return Kind::Other;
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "tga") return Kind::Tga;
    if (extension == "bmp") return Kind::Bmp;
    if (extension == "lbm" || extension == "iff" || extension == "ilbm") return Kind::Ilbm;
    return Kind::Other;
}

// Reads the whole file; false when it cannot be opened or read.
bool ReadAll(ALLEGRO_FILE* file, std::vector<unsigned char>& bytes)
{
    bytes.clear();
    unsigned char buffer[65536];
    size_t count;
    while ((count = al_fread(file, buffer, sizeof buffer)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + count);
        if (bytes.size() > 512u * 1024 * 1024) return false;
    }
    return !al_ferror(file);
}

ALLEGRO_BITMAP* MakeBitmap(const PicturePixels& picture, int flags)
{
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(picture.width, picture.height);
    if (!bitmap) return nullptr;
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    if (!region) {
        al_destroy_bitmap(bitmap);
        return nullptr;
    }
    const bool premultiply = !(flags & ALLEGRO_NO_PREMULTIPLIED_ALPHA);
    for (int y = 0; y < picture.height; ++y) {
        const unsigned char* in = &picture.rgba[static_cast<size_t>(y) * picture.width * 4];
        unsigned char* out = static_cast<unsigned char*>(region->data) + y * region->pitch;
        for (int x = 0; x < picture.width; ++x, in += 4, out += 4) {
            const unsigned a = in[3];
            for (int c = 0; c < 3; ++c) out[c] = premultiply ? static_cast<unsigned char>((in[c] * a + 127) / 255) : in[c];
            out[3] = static_cast<unsigned char>(a);
        }
    }
    al_unlock_bitmap(bitmap);
    return bitmap;
}

// Set by the last decode that refused its file.
thread_local bool lastDamaged = false;

ALLEGRO_BITMAP* LoadKind(ALLEGRO_FILE* file, Kind kind, int flags)
{
    lastDamaged = false;
    std::vector<unsigned char> bytes;
    if (!ReadAll(file, bytes)) return nullptr;
    PicturePixels picture;
    bool ok = false;
    if (kind == Kind::Tga) ok = DecodeTga(bytes.data(), bytes.size(), picture);
    else if (kind == Kind::Bmp) ok = DecodeBmp(bytes.data(), bytes.size(), picture);
    else if (kind == Kind::Ilbm) ok = DecodeIlbm(bytes.data(), bytes.size(), picture);
    if (!ok) {
        lastDamaged = true;
        return nullptr;
    }
    return MakeBitmap(picture, flags);
}

ALLEGRO_BITMAP* LoadTgaFile(ALLEGRO_FILE* file, int flags) { return LoadKind(file, Kind::Tga, flags); }
ALLEGRO_BITMAP* LoadBmpFile(ALLEGRO_FILE* file, int flags) { return LoadKind(file, Kind::Bmp, flags); }
ALLEGRO_BITMAP* LoadIlbmFile(ALLEGRO_FILE* file, int flags) { return LoadKind(file, Kind::Ilbm, flags); }

template <ALLEGRO_BITMAP* (*Load)(ALLEGRO_FILE*, int)> ALLEGRO_BITMAP* LoadPath(const char* path, int flags)
{
    ALLEGRO_FILE* file = al_fopen(path, "rb");
    if (!file) return nullptr;
    ALLEGRO_BITMAP* bitmap = Load(file, flags);
    al_fclose(file);
    return bitmap;
}

// 32-bit uncompressed TGA, top row first (descriptor 0x28), as every reader
// understands it; colours are written unpremultiplied.
bool SaveTgaFile(ALLEGRO_FILE* file, ALLEGRO_BITMAP* bitmap)
{
    const int width = al_get_bitmap_width(bitmap), height = al_get_bitmap_height(bitmap);
    if (width > 65535 || height > 65535) return false;
    unsigned char header[18] = {};
    header[2] = 2;
    header[12] = static_cast<unsigned char>(width & 0xFF);
    header[13] = static_cast<unsigned char>(width >> 8);
    header[14] = static_cast<unsigned char>(height & 0xFF);
    header[15] = static_cast<unsigned char>(height >> 8);
    header[16] = 32;
    header[17] = 0x28;
    if (al_fwrite(file, header, sizeof header) != sizeof header) return false;
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    if (!region) return false;
    std::vector<unsigned char> row(static_cast<size_t>(width) * 4);
    bool ok = true;
    for (int y = 0; y < height && ok; ++y) {
        const unsigned char* in = static_cast<const unsigned char*>(region->data) + y * region->pitch;
        for (int x = 0; x < width; ++x, in += 4) {
            const unsigned a = in[3];
            unsigned char* out = &row[static_cast<size_t>(x) * 4];
            for (int c = 0; c < 3; ++c) {
                // Bitmaps hold premultiplied colours.
                const unsigned value = a ? std::min(255u, (in[c] * 255u + a / 2) / a) : 0;
                out[2 - c] = static_cast<unsigned char>(value);
            }
            out[3] = static_cast<unsigned char>(a);
        }
        ok = al_fwrite(file, row.data(), row.size()) == row.size();
    }
    al_unlock_bitmap(bitmap);
    return ok;
}

bool SaveTgaPath(const char* path, ALLEGRO_BITMAP* bitmap)
{
    ALLEGRO_FILE* file = al_fopen(path, "wb");
    if (!file) return false;
    bool ok = SaveTgaFile(file, bitmap);
    if (!al_fclose(file)) ok = false;
    return ok;
}

} // namespace

void RegisterPictureFormats()
{
    al_register_bitmap_loader(".tga", LoadPath<LoadTgaFile>);
    al_register_bitmap_loader_f(".tga", LoadTgaFile);
    al_register_bitmap_saver(".tga", SaveTgaPath);
    al_register_bitmap_saver_f(".tga", SaveTgaFile);
    al_register_bitmap_loader(".bmp", LoadPath<LoadBmpFile>);
    al_register_bitmap_loader_f(".bmp", LoadBmpFile);
    for (const char* extension : {".lbm", ".iff", ".ilbm"}) {
        al_register_bitmap_loader(extension, LoadPath<LoadIlbmFile>);
        al_register_bitmap_loader_f(extension, LoadIlbmFile);
    }
}

ALLEGRO_BITMAP* LoadPicture(const std::string& path, std::string& error, int flags)
{
    const Kind kind = KindOf(path);
    ALLEGRO_BITMAP* bitmap = nullptr;
    bool damaged = false;
    if (kind == Kind::Other) {
        bitmap = al_load_bitmap_flags(path.c_str(), flags);
    } else {
        ALLEGRO_FILE* file = al_fopen(path.c_str(), "rb");
        if (file) {
            bitmap = LoadKind(file, kind, flags);
            damaged = lastDamaged;
            al_fclose(file);
        }
    }
    if (!bitmap) error = damaged ? FileDisplayName(path) + " is damaged or truncated" : "Error reading " + path;
    return bitmap;
}
