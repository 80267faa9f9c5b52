// The content generator: every picture, sound, tune, level and icon of the
// game is drawn or synthesised here, so the content can be rebuilt exactly.
#pragma once

#include <allegro5/allegro.h>

#include <cstdint>
#include <string>
#include <vector>

// Small deterministic generator (xorshift64*), so the output never depends on
// the C library's rand() or on the time.
class Rng {
public:
    explicit Rng(uint64_t seed) : state(seed ? seed * 0x9E3779B97F4A7C15ull : 0x1234567ull) {}
    uint32_t Next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return static_cast<uint32_t>((state * 0x2545F4914F6CDD1Dull) >> 32);
    }
    // 0 .. n-1 (n > 0)
    int Below(int n) { return n > 0 ? static_cast<int>(Next() % static_cast<uint32_t>(n)) : 0; }
    int Range(int lo, int hi) { return lo + Below(hi - lo + 1); }
    // -1 .. 1
    double Signed() { return (Next() / 4294967295.0) * 2.0 - 1.0; }
    double Unit() { return Next() / 4294967295.0; }

private:
    uint64_t state;
};

// Where the generated files go: <root>/base/... and <root>/kwuidata/textures/...
struct OutputPaths {
    std::string root;
    std::string Base(const std::string& relative) const;
    std::string Textures(const std::string& relative) const;
};

// Creates every folder on the way to the file (relative parts split on '/').
bool MakeFoldersFor(const std::string& filePath);
bool WriteTextFile(const std::string& path, const std::string& text);

// Each writer returns false (after printing why) when a file could not be made.
bool WriteIcons(const OutputPaths& out);
// The program's own icon: kwuidata/icons/sodbolt-<size>.png in each size.
constexpr int kAppIconSizes[] = {32, 48, 64, 128, 256};
bool WriteAppIcons(const OutputPaths& out);
std::vector<std::string> IconNames();
bool WriteSounds(const OutputPaths& out);
bool WriteMusic(const OutputPaths& out);
bool WritePictures(const OutputPaths& out);
bool WriteTileset(const OutputPaths& out);
bool WriteLevels(const OutputPaths& out);
bool WriteSprites(const OutputPaths& out);
bool WriteTexts(const OutputPaths& out);

// Draws the contact sheet from the files under root.
bool WriteContactSheet(const std::string& root, const std::string& pngPath);

// The level list, shared by game.ini, the maps and the contact sheet.
struct LevelInfo {
    const char* file;   // under maps/
    const char* music;  // under music/
};
const std::vector<LevelInfo>& LevelList();
