// BinaryStream: the one record through which every content file is read and
// written, with the little-endian encodings all formats share.
#pragma once

#include <allegro5/allegro.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// Largest text a length-prefixed string holds, and the largest side of a
// stored bitmap (both are read back as signed 16-bit values).
constexpr int kMaxStoredLength = 32767;

// Encodings:
//   int16/uint16      2 bytes, little-endian
//   int8/uint8        1 byte
//   int32/uint32      4 bytes, little-endian (legacy formats only)
//   string            uint16 n, then n bytes (no terminator)
//   stored bitmap     uint16 w, uint16 h, then w*h pixels of R,G,B, top row first
//   fixed text        n bytes holding a zero-terminated text (legacy)
//   legacy bitmap     uint32 w, uint32 h, then w*h pixels of 1 or 2 bytes (legacy)
//
// Reading never trusts the file: a short read, a negative length or a size
// larger than the bytes left marks the stream damaged (Damaged()), and the
// read returns an empty value. Loaders read into a fresh record and keep it
// only when the stream is undamaged at the end.
//
// Writing goes to a temporary file beside the target; Finish() checks every
// write and the close and then renames it over the target. A stream closed
// without Finish() (or destroyed) removes the temporary file, so the old
// file is never lost.
class BinaryStream {
public:
    bool reading = false;
    bool writing = false;
    std::string lastError;

    BinaryStream() = default;
    ~BinaryStream();
    BinaryStream(const BinaryStream&) = delete;
    BinaryStream& operator=(const BinaryStream&) = delete;

    bool OpenForReading(const char* path);
    // Opens a content file and reads the magic string and int16 version that
    // every format starts with. False, with lastError saying why, when the
    // file cannot be opened, starts with another magic (wrongMagicText), ends
    // early, or is newer than newestVersion (tooAdvancedText).
    bool OpenContentFile(const char* path, const char* magic, int16_t newestVersion, int16_t& version,
                         const std::string& wrongMagicText, const std::string& tooAdvancedText);
    bool OpenForWriting(const char* path);
    // Reading: closes the file. Writing: abandons the temporary file unless
    // Finish() has already put it in place.
    void Close();
    // Writing: flush, close and rename over the target. On any failure the
    // temporary file is removed, lastError is "Unable to write " + path and
    // the result is false.
    bool Finish();

    // --- reading state ---------------------------------------------------
    bool Damaged() const { return damaged; }
    void MarkDamaged() { damaged = true; }
    // Bytes between the read position and the end of the file.
    uint64_t Remaining() const;
    // path + " is damaged or truncated"
    std::string DamagedText() const;
    const std::string& GetPath() const { return path; }

    // --- integers and raw bytes --------------------------------------------
    bool ReadBytes(void* buffer, size_t count);
    bool Skip(uint64_t count);
    uint8_t ReadUInt8();
    int8_t ReadInt8();
    uint16_t ReadUInt16();
    int16_t ReadInt16();
    uint32_t ReadUInt32();
    int32_t ReadInt32();

    void WriteBytes(const void* buffer, size_t count);
    void WriteUInt8(uint8_t value);
    void WriteInt8(int8_t value);
    void WriteUInt16(uint16_t value);
    void WriteInt16(int16_t value);

    // --- shared encodings ----------------------------------------------------
    // A null text writes a length of 0; a text longer than 32767 bytes is cut.
    void WriteStdString(const char* text);
    void WriteStdString(const std::string& text) { WriteStdString(text.c_str()); }
    std::string ReadStdString();

    // Colour channels only; with transparentAsMagenta, pixels of alpha 0 are
    // written as (255, 0, 255) so that the mask conversion restores them.
    void WriteAllegroBitmap(ALLEGRO_BITMAP* bitmap, bool transparentAsMagenta = false);
    // A new opaque bitmap the caller owns, or null (damaged, or no memory).
    ALLEGRO_BITMAP* ReadAllegroBitmap();
    // The width and height of a stored bitmap, checked against 1..32767 and
    // against the bytes left for its pixels. False marks the stream damaged.
    bool ReadBitmapSize(int& width, int& height);
    // The pixels of a stored bitmap whose size ReadBitmapSize gave.
    ALLEGRO_BITMAP* ReadBitmapPixels(int width, int height);

    // Legacy primitives.
    std::string ReadFixedString(int16_t width);
    ALLEGRO_BITMAP* ReadZentorBitmap(bool eightBit);
    // Consumes a legacy bitmap without making it.
    bool SkipZentorBitmap(bool eightBit);

private:
    FILE* file = nullptr;
    std::string path;
    std::string tempPath;
    uint64_t fileSize = 0;
    uint64_t position = 0; // kept here: asking the file costs a system call
    bool damaged = false;
    bool writeFailed = false;
    bool finished = false;

    // The pixel count of a legacy bitmap after its size checks, or -1.
    int64_t ReadZentorBitmapSize(bool eightBit, uint32_t& width, uint32_t& height);
};

// A new opaque bitmap from w*h pixels of R, G, B; null without memory.
ALLEGRO_BITMAP* MakeBitmapFromRgb(const unsigned char* rgb, int width, int height);

// Restores the drawing target that was current when it was made.
class TargetKeeper {
public:
    TargetKeeper() : previous(al_get_target_bitmap()) {}
    ~TargetKeeper() { al_set_target_bitmap(previous); }
    TargetKeeper(const TargetKeeper&) = delete;
    TargetKeeper& operator=(const TargetKeeper&) = delete;

private:
    ALLEGRO_BITMAP* previous;
};
