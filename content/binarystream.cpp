// The shared little-endian encodings: strings, stored bitmaps, the legacy
// fields, and safe writing through a temporary file.
#include "content/binarystream.h"

#include "kwui/draw.h"
#include "platform/platform.h"

#include <cstring>
#include <memory>
#include <vector>

BinaryStream::~BinaryStream() { Close(); }

// ---------------------------------------------------------------------------
// [SECTION] Open, close, finish

bool BinaryStream::OpenForReading(const char* pathText)
{
    Close();
    path = pathText ? pathText : "";
    damaged = false;
    file = std::fopen(path.c_str(), "rb");
    if (!file) {
        lastError = "Unable to open " + path;
        return false;
    }
    // The size bounds every length and bitmap size read later.
    fileSize = 0;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long end = std::ftell(file);
        if (end > 0) fileSize = static_cast<uint64_t>(end);
    }
    std::fseek(file, 0, SEEK_SET);
    position = 0;
    reading = true;
    return true;
}

bool BinaryStream::OpenContentFile(const char* pathText, const char* magic, int16_t newestVersion, int16_t& version,
                                   const std::string& wrongMagicText, const std::string& tooAdvancedText)
{
    if (!OpenForReading(pathText)) return false;
    if (ReadStdString() != magic) {
        lastError = wrongMagicText;
        return false;
    }
    version = ReadInt16();
    if (Damaged()) {
        lastError = DamagedText();
        return false;
    }
    if (version > newestVersion) {
        lastError = tooAdvancedText;
        return false;
    }
    return true;
}

bool BinaryStream::OpenForWriting(const char* pathText)
{
    Close();
    path = pathText ? pathText : "";
    tempPath = path + ".tmp~";
    writeFailed = false;
    finished = false;
    file = path.empty() ? nullptr : std::fopen(tempPath.c_str(), "wb");
    if (!file) {
        lastError = "Unable to create " + path;
        tempPath.clear();
        return false;
    }
    writing = true;
    return true;
}

void BinaryStream::Close()
{
    if (file) {
        std::fclose(file);
        file = nullptr;
    }
    if (writing && !finished && !tempPath.empty()) std::remove(tempPath.c_str());
    reading = false;
    writing = false;
}

bool BinaryStream::Finish()
{
    if (!writing || !file) {
        lastError = "Unable to write " + path;
        return false;
    }
    bool ok = !writeFailed && std::fflush(file) == 0 && !std::ferror(file);
    if (std::fclose(file) != 0) ok = false;
    file = nullptr;
    if (ok) ok = PlatformReplaceFile(tempPath, path);
    if (!ok) {
        std::remove(tempPath.c_str());
        lastError = "Unable to write " + path;
    }
    finished = true;
    writing = false;
    return ok;
}

uint64_t BinaryStream::Remaining() const
{
    if (!reading || !file || position > fileSize) return 0;
    return fileSize - position;
}

std::string BinaryStream::DamagedText() const { return path + " is damaged or truncated"; }

// ---------------------------------------------------------------------------
// [SECTION] Integers and raw bytes (little-endian, built byte by byte)

bool BinaryStream::ReadBytes(void* buffer, size_t count)
{
    if (count == 0) return !damaged;
    if (!reading || !file || damaged) {
        std::memset(buffer, 0, count);
        damaged = true;
        return false;
    }
    const size_t got = std::fread(buffer, 1, count, file);
    position += got;
    if (got != count) {
        std::memset(static_cast<unsigned char*>(buffer) + got, 0, count - got);
        damaged = true;
        return false;
    }
    return true;
}

bool BinaryStream::Skip(uint64_t count)
{
    if (damaged || count > Remaining()) {
        damaged = true;
        return false;
    }
    if (std::fseek(file, static_cast<long>(count), SEEK_CUR) != 0) {
        damaged = true;
        return false;
    }
    position += count;
    return true;
}

uint8_t BinaryStream::ReadUInt8()
{
    unsigned char byte = 0;
    ReadBytes(&byte, 1);
    return byte;
}

int8_t BinaryStream::ReadInt8() { return static_cast<int8_t>(ReadUInt8()); }

uint16_t BinaryStream::ReadUInt16()
{
    unsigned char bytes[2] = {0, 0};
    ReadBytes(bytes, 2);
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

int16_t BinaryStream::ReadInt16() { return static_cast<int16_t>(ReadUInt16()); }

uint32_t BinaryStream::ReadUInt32()
{
    unsigned char bytes[4] = {0, 0, 0, 0};
    ReadBytes(bytes, 4);
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

int32_t BinaryStream::ReadInt32() { return static_cast<int32_t>(ReadUInt32()); }

void BinaryStream::WriteBytes(const void* buffer, size_t count)
{
    if (count == 0) return;
    if (!writing || !file || std::fwrite(buffer, 1, count, file) != count) writeFailed = true;
}

void BinaryStream::WriteUInt8(uint8_t value) { WriteBytes(&value, 1); }
void BinaryStream::WriteInt8(int8_t value) { WriteUInt8(static_cast<uint8_t>(value)); }

void BinaryStream::WriteUInt16(uint16_t value)
{
    const unsigned char bytes[2] = {static_cast<unsigned char>(value & 0xFF),
                                    static_cast<unsigned char>(value >> 8)};
    WriteBytes(bytes, 2);
}

void BinaryStream::WriteInt16(int16_t value) { WriteUInt16(static_cast<uint16_t>(value)); }

// ---------------------------------------------------------------------------
// [SECTION] Length-prefixed strings
//
//   offset 0  int16  n (0..32767; negative or past the end: damaged)
//   offset 2  n      text bytes, no terminator

void BinaryStream::WriteStdString(const char* text)
{
    size_t length = text ? std::strlen(text) : 0;
    if (length > static_cast<size_t>(kMaxStoredLength)) length = kMaxStoredLength;
    WriteUInt16(static_cast<uint16_t>(length));
    WriteBytes(text, length);
}

std::string BinaryStream::ReadStdString()
{
    const int16_t length = ReadInt16();
    if (damaged) return "";
    if (length == 0) return "";
    if (length < 0 || static_cast<uint64_t>(length) > Remaining()) {
        damaged = true;
        return "";
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    if (!ReadBytes(buffer.data(), static_cast<size_t>(length))) return "";
    // The text ends at the first zero byte, as a C string would.
    return std::string(buffer.data());
}

// ---------------------------------------------------------------------------
// [SECTION] Stored bitmaps
//
//   offset 0  uint16  w (read as int16; must be 1..32767)
//   offset 2  uint16  h (read as int16; must be 1..32767)
//   offset 4  3*w*h   R, G, B per pixel, rows top to bottom, left to right

void BinaryStream::WriteAllegroBitmap(ALLEGRO_BITMAP* bitmap, bool transparentAsMagenta)
{
    if (!bitmap) {
        WriteUInt16(0);
        WriteUInt16(0);
        writeFailed = true;
        return;
    }
    const int width = al_get_bitmap_width(bitmap);
    const int height = al_get_bitmap_height(bitmap);
    WriteUInt16(static_cast<uint16_t>(width));
    WriteUInt16(static_cast<uint16_t>(height));

    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    if (!region) {
        writeFailed = true;
        return;
    }
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        const unsigned char* source = static_cast<const unsigned char*>(region->data) + y * region->pitch;
        for (int x = 0; x < width; ++x) {
            const unsigned char* pixel = source + x * 4; // R, G, B, A in memory
            unsigned char* out = &row[static_cast<size_t>(x) * 3];
            if (transparentAsMagenta && pixel[3] == 0) {
                out[0] = 255;
                out[1] = 0;
                out[2] = 255;
            } else {
                out[0] = pixel[0];
                out[1] = pixel[1];
                out[2] = pixel[2];
            }
        }
        WriteBytes(row.data(), row.size());
    }
    al_unlock_bitmap(bitmap);
}

bool BinaryStream::ReadBitmapSize(int& width, int& height)
{
    width = ReadInt16();
    height = ReadInt16();
    if (damaged) return false;
    if (width < 1 || height < 1 ||
        static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 3 > Remaining()) {
        damaged = true;
        return false;
    }
    return true;
}

ALLEGRO_BITMAP* BinaryStream::ReadAllegroBitmap()
{
    int width = 0, height = 0;
    if (!ReadBitmapSize(width, height)) return nullptr;
    return ReadBitmapPixels(width, height);
}

ALLEGRO_BITMAP* MakeBitmapFromRgb(const unsigned char* rgb, int width, int height)
{
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, height);
    if (!bitmap) return nullptr;
    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    if (!region) {
        al_destroy_bitmap(bitmap);
        return nullptr;
    }
    for (int y = 0; y < height; ++y) {
        unsigned char* target = static_cast<unsigned char*>(region->data) + y * region->pitch;
        for (int x = 0; x < width; ++x, rgb += 3, target += 4) {
            target[0] = rgb[0];
            target[1] = rgb[1];
            target[2] = rgb[2];
            target[3] = 255;
        }
    }
    al_unlock_bitmap(bitmap);
    return bitmap;
}

ALLEGRO_BITMAP* BinaryStream::ReadBitmapPixels(int width, int height)
{
    // The size was checked against the bytes left, so this buffer is bounded
    // by the file.
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    if (!ReadBytes(pixels.data(), pixels.size())) return nullptr;
    ALLEGRO_BITMAP* bitmap = MakeBitmapFromRgb(pixels.data(), width, height);
    if (!bitmap) lastError = "ReadAllegroBitmap: Unable to create bitmap";
    return bitmap;
}

// ---------------------------------------------------------------------------
// [SECTION] Legacy fields
//
// Fixed text: n bytes, a zero-terminated text of at most n - 1 characters.
// Legacy bitmap:
//   offset 0  uint32  w
//   offset 4  uint32  h
//   offset 8  w*h pixels of 1 byte (grey level) or 2 bytes (RGB565)

std::string BinaryStream::ReadFixedString(int16_t width)
{
    if (width < 1 || width > 1024) {
        damaged = true;
        return "";
    }
    char buffer[1024];
    ReadBytes(buffer, static_cast<size_t>(width));
    buffer[width - 1] = '\0';
    return std::string(buffer);
}

int64_t BinaryStream::ReadZentorBitmapSize(bool eightBit, uint32_t& width, uint32_t& height)
{
    width = ReadUInt32();
    height = ReadUInt32();
    if (damaged) return -1;
    const uint64_t pixels = static_cast<uint64_t>(width) * height;
    const uint64_t bytes = pixels * (eightBit ? 1 : 2);
    // Allegro cannot make a bitmap without pixels or wider than 32767.
    if (width < 1 || height < 1 || width > kMaxStoredLength || height > kMaxStoredLength || bytes > Remaining()) {
        damaged = true;
        return -1;
    }
    return static_cast<int64_t>(pixels);
}

bool BinaryStream::SkipZentorBitmap(bool eightBit)
{
    uint32_t width = 0, height = 0;
    const int64_t pixels = ReadZentorBitmapSize(eightBit, width, height);
    if (pixels < 0) return false;
    return Skip(static_cast<uint64_t>(pixels) * (eightBit ? 1 : 2));
}

ALLEGRO_BITMAP* BinaryStream::ReadZentorBitmap(bool eightBit)
{
    uint32_t width = 0, height = 0;
    const int64_t pixels = ReadZentorBitmapSize(eightBit, width, height);
    if (pixels < 0) return nullptr;
    const size_t bytesPerPixel = eightBit ? 1 : 2;

    ALLEGRO_BITMAP* bitmap = al_create_bitmap(static_cast<int>(width), static_cast<int>(height));
    if (!bitmap) {
        lastError = "ReadZentorBitmap: Unable to create bitmap";
        Skip(static_cast<uint64_t>(pixels) * bytesPerPixel);
        return nullptr;
    }
    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    if (!region) {
        lastError = "ReadZentorBitmap: Unable to create bitmap";
        al_destroy_bitmap(bitmap);
        Skip(static_cast<uint64_t>(pixels) * bytesPerPixel);
        return nullptr;
    }
    std::vector<unsigned char> row(width * bytesPerPixel);
    for (uint32_t y = 0; y < height; ++y) {
        ReadBytes(row.data(), row.size());
        unsigned char* target = static_cast<unsigned char*>(region->data) + static_cast<int>(y) * region->pitch;
        for (uint32_t x = 0; x < width; ++x) {
            unsigned char r, g, b;
            if (eightBit) {
                // No palette travels with 8-bit images: show them as grey levels.
                r = g = b = row[x];
            } else {
                const uint16_t value = static_cast<uint16_t>(row[x * 2] | (row[x * 2 + 1] << 8));
                al_unmap_rgb(KW_ColourFrom565(value), &r, &g, &b);
            }
            target[x * 4 + 0] = r;
            target[x * 4 + 1] = g;
            target[x * 4 + 2] = b;
            target[x * 4 + 3] = 255;
        }
    }
    al_unlock_bitmap(bitmap);
    if (damaged) {
        al_destroy_bitmap(bitmap);
        return nullptr;
    }
    return bitmap;
}
