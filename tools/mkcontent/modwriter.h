// A writer for four-channel tracker modules ("M.K." format): 31 sample slots,
// patterns of 64 rows, an order list. Allegro's codec add-on plays the result.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ModSample {
    std::string name;
    std::vector<int8_t> data;  // signed 8-bit, even length
    int volume = 64;           // 0..64
    int loopStart = 0;         // in bytes, even
    int loopLength = 0;        // in bytes, even; 0 = no loop
};

struct ModCell {
    int note = -1;   // 0 = C-1 .. 35 = B-3, -1 = none
    int sample = 0;  // 1..31, 0 = none
    int effect = 0;  // 0..15
    int param = 0;   // 0..255
};

constexpr int kModRows = 64;
constexpr int kModChannels = 4;

struct ModPattern {
    ModCell cells[kModRows][kModChannels];
};

struct ModSong {
    std::string title;
    std::vector<ModSample> samples;  // at most 31
    std::vector<ModPattern> patterns;
    std::vector<int> orders;         // pattern numbers, 1..128 entries
};

// The Amiga period of a note index (0..35), as the format stores it.
int ModPeriod(int note);
// The file's bytes; empty when the song does not fit the format.
std::vector<uint8_t> EncodeMod(const ModSong& song);
bool WriteMod(const ModSong& song, const std::string& path);
