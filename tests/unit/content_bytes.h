// Hand-made content files: little-endian byte builders and legacy (Zentor) tile sets and sprites;
// the fuzzers' seed maker uses it too, so it needs nothing but the standard library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void PutU8(Bytes& b, unsigned v) { b.push_back(static_cast<uint8_t>(v)); }
inline void PutU16(Bytes& b, unsigned v) { PutU8(b, v & 0xFF); PutU8(b, (v >> 8) & 0xFF); }
inline void PutU32(Bytes& b, uint32_t v) { PutU16(b, v & 0xFFFF); PutU16(b, v >> 16); }
inline void PutString(Bytes& b, const std::string& text)
{
    PutU16(b, static_cast<unsigned>(text.size()));
    b.insert(b.end(), text.begin(), text.end());
}
// The start of every content file: the magic string and the version.
inline Bytes FileStart(const std::string& magic, unsigned version)
{
    Bytes b;
    PutString(b, magic);
    PutU16(b, version);
    return b;
}
inline void PutFixed(Bytes& b, const std::string& text, size_t width)
{
    for (size_t i = 0; i < width; ++i) PutU8(b, i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}

// A complete legacy tile set (866340 bytes); tile(i) gives tile i's type code, name and 16-bit colour.
struct ZentorTile { unsigned code; std::string name; unsigned pixel; };
template <typename TileOf>
inline Bytes ZentorTileset(int version, TileOf tile)
{
    Bytes bytes;
    PutFixed(bytes, "Qdx Type 4 Tileset", 32);
    PutU32(bytes, static_cast<uint32_t>(version));
    bytes.resize(bytes.size() + 1024, 0xEE);
    for (int i = 0; i < 1024; ++i) {
        const ZentorTile t = tile(i);
        PutU8(bytes, t.code);
        PutFixed(bytes, t.name, 27);
    }
    bytes.resize(bytes.size() + 312320, 0xDD);
    for (int i = 0; i < 1024; ++i) {
        const unsigned pixel = tile(i).pixel;
        for (int p = 0; p < 256; ++p) PutU16(bytes, pixel);
    }
    return bytes;
}
inline Bytes ZentorTileset(int version = 6)
{
    return ZentorTileset(version, [](int i) {
        return ZentorTile{i == 1 ? 1u : i == 2 ? 2u : i == 3 ? 7u : 0u, "Legacy " + std::to_string(i),
                          i == 0 ? 0xFFFFu : 0x001Fu};
    });
}

// A legacy sprite with frames of 2 x 1 pixels.
inline Bytes ZentorSprite(int version, const std::string& header, int frames, int extras = 0)
{
    const bool eightBit = version < 4;
    Bytes bytes;
    PutFixed(bytes, header, 32);
    PutU32(bytes, static_cast<uint32_t>(version));
    PutFixed(bytes, "Old mower", 32);
    PutU8(bytes, static_cast<unsigned>(frames));
    PutU8(bytes, static_cast<unsigned>(extras));
    PutU32(bytes, 0);
    if (version == 6) PutFixed(bytes, "", 256);
    auto putBitmap = [&](unsigned pixel) {
        PutU32(bytes, 2);
        PutU32(bytes, 1);
        for (int p = 0; p < 2; ++p) eightBit ? PutU8(bytes, pixel & 0xFF) : PutU16(bytes, pixel);
    };
    for (int i = 0; i < extras; ++i) {
        PutFixed(bytes, "extra", 32);
        PutU32(bytes, 1);
        PutU32(bytes, 2);
        PutU32(bytes, 3);
        if (version >= 4) PutFixed(bytes, "", 256);
        putBitmap(0x1234);
    }
    for (int i = 0; i < frames; ++i) {
        PutU32(bytes, 0x00030000u + 25u * (i + 1)); // only the low 16 bits count
        if (version >= 4) PutFixed(bytes, "frame" + std::to_string(i), 256);
        putBitmap(eightBit ? 0x40 : 0xF800);
        if (version == 6) PutFixed(bytes, "", 256);
    }
    PutU8(bytes, 0);
    if (version >= 2) PutU8(bytes, 0);
    if (version == 3) PutU32(bytes, 0);
    if (version >= 5) bytes.resize(bytes.size() + 7, 0);
    return bytes;
}
