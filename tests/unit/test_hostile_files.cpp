// Hostile input that reaches pure code: display sizes in kwui2.ini; the
// game's own content files cut short, filled with random bytes or handed to
// the wrong loader (every load fails with a message naming the file and
// leaves the record it was loading into as it was); help text of megabytes.
#include "content/map.h"
#include "content/savegame.h"
#include "content/sprite.h"
#include "content/tileset.h"
#include "kwui/core.h"
#include "kwui/listbox.h"

#include "content_testing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

TEST(HostileSettings, OnlySizesAScreenCanShowAreUsed)
{
    const struct { int w, h; bool usable; } sizes[] = {
        {800, 600, true},   {320, 200, true},  {16384, 16384, true}, {-800, -600, false},   {0, 480, false},
        {1, 1, false},      {319, 600, false}, {800, 16385, false},  {100000, 100000, false}};
    for (const auto& s : sizes) EXPECT_EQ(KW_IsUsableScreenSize(s.w, s.h), s.usable) << s.w << " x " << s.h;
}

namespace {

// The committed content files of one extension under base/.
std::vector<std::string> BaseFiles(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator("base/" + folder))
        if (entry.path().extension() == extension) files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// Lengths to cut a file of SIZE bytes at: the whole header region, then a
// spread over the rest, and one byte short of the end.
std::vector<size_t> CutLengths(size_t size)
{
    std::vector<size_t> lengths;
    for (size_t n = 0; n < std::min<size_t>(size, 48); ++n) lengths.push_back(n);
    for (int i = 1; i < 24; ++i) lengths.push_back(size * static_cast<size_t>(i) / 24);
    if (size > 0) lengths.push_back(size - 1);
    return lengths;
}

Bytes RandomBytes(size_t count, unsigned seed)
{
    std::mt19937 generator(seed);
    Bytes bytes(count);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(generator() & 0xFF);
    return bytes;
}

// Each damaged form of each file: refused, named, and the record unchanged;
// then random bytes, after which the record is reset to its first state.
void ExpectDamageRefused(const std::vector<std::string>& files, const std::function<bool(const std::string&)>& load,
                         const std::function<std::string()>& lastError, const std::function<void()>& expectUnchanged,
                         const std::function<void()>& reset)
{
    ASSERT_FALSE(files.empty()) << "no content files found: the tests run from the source folder";
    ScratchFolder scratch;
    unsigned seed = 1;
    for (const std::string& file : files) {
        const Bytes valid = ReadFileBytes(file);
        const std::string path = scratch.Path(fs::path(file).filename().string());
        for (size_t length : CutLengths(valid.size())) {
            WriteFileBytes(path, valid, length);
            ASSERT_FALSE(load(path)) << file << " cut to " << length << " bytes loaded";
            // The file is named, or the format's own refusal, which callers show beside the name.
            const std::string error = lastError();
            EXPECT_TRUE(error.find(path) != std::string::npos || error.rfind("Not a valid", 0) == 0)
                << file << " cut to " << length << " bytes: " << error;
        }
        expectUnchanged();
        // Random bytes, and random bytes behind the real header.
        for (int round = 0; round < 8; ++round) {
            Bytes noise = RandomBytes(valid.size(), seed++);
            if (round % 2 == 1) std::copy(valid.begin(), valid.begin() + std::min<size_t>(valid.size(), 40), noise.begin());
            WriteFileBytes(path, noise);
            // A fixed-size format can come out valid by chance: a failure only needs a message.
            if (!load(path)) {
                EXPECT_FALSE(lastError().empty());
            }
        }
        reset();
    }
}

std::string EarlierMapPath() { return BaseFiles("maps", ".map").front(); }

}  // namespace

TEST(HostileContent, DamagedMapsSpritesAndTileSetsOfTheGameAreRefusedAndTheRecordKept)
{
    Map map;
    auto resetMap = [&] { ASSERT_TRUE(map.Load(EarlierMapPath().c_str())); };
    resetMap();
    const std::string title = map.title;
    const uint16_t firstCell = map.cells[0];
    ExpectDamageRefused(
        BaseFiles("maps", ".map"), [&](const std::string& p) { return map.Load(p.c_str()); },
        [&] { return map.lastError; },
        [&] {
            EXPECT_EQ(map.title, title);
            EXPECT_EQ(map.cells[0], firstCell);
        },
        resetMap);

    Sprite sprite;
    auto resetSprite = [&] { ASSERT_TRUE(sprite.Load("base/sprites/mower.spr")); };
    resetSprite();
    const int16_t frames = sprite.GetFrameCount();
    ExpectDamageRefused(
        BaseFiles("sprites", ".spr"), [&](const std::string& p) { return sprite.Load(p.c_str()); },
        [&] { return sprite.lastError; }, [&] { EXPECT_EQ(sprite.GetFrameCount(), frames); }, resetSprite);

    Tileset set;
    auto resetSet = [&] {
        set.New();
        set.description = "earlier";
        set.tiles[5].description = "kept";
    };
    resetSet();
    ExpectDamageRefused(
        BaseFiles("tiles", ".til"), [&](const std::string& p) { return set.Load(p.c_str()); },
        [&] { return set.lastError; },
        [&] {
            EXPECT_EQ(set.description, "earlier");
            EXPECT_EQ(set.tiles[5].description, "kept");
            EXPECT_TRUE(set.loaded);
        },
        resetSet);
}

TEST(HostileContent, ContentFilesHandedToTheWrongLoaderAreRefused)
{
    Map map;
    Tileset set;
    Sprite sprite;
    EXPECT_FALSE(map.Load("base/sprites/mower.spr"));
    EXPECT_EQ(map.lastError, "base/sprites/mower.spr is not a valid map file.");
    EXPECT_FALSE(sprite.Load(EarlierMapPath().c_str()));
    EXPECT_FALSE(set.Load("base/sprites/mower.spr"));
    for (const char* picture : {"base/menuback.tga", "base/game.ini", "base/help.txt"}) {
        EXPECT_FALSE(map.Load(picture)) << picture;
        EXPECT_FALSE(sprite.Load(picture)) << picture;
        EXPECT_FALSE(set.Load(picture)) << picture;
    }
}

// [SECTION] A help file of megabytes

namespace {

int NarrowWide(const std::string& s)
{
    int width = 0;
    for (char c : s) width += (c == 'i' || c == ' ') ? 4 : (c == 'w' ? 14 : 9);
    return width;
}

// Wrapping as it was first written, one measurement per character: the fast wrap must give its lines.
std::vector<std::string> WrapOneCharacterAtATime(const std::string& text, int limit)
{
    std::vector<std::string> lines;
    size_t start = 0, pos = 0;
    while (start < text.size()) {
        if (pos == text.size()) {
            lines.push_back(text.substr(start));
            break;
        }
        if (text[pos] == '\n') {
            lines.push_back(text.substr(start, pos - start));
            start = ++pos;
        } else if (NarrowWide(text.substr(start, pos - start + 1)) < limit) {
            ++pos;
        } else {
            const size_t blank = text.rfind(' ', pos);
            const size_t end = blank != std::string::npos && blank > start ? blank : pos > start ? pos : pos + 1;
            lines.push_back(text.substr(start, end - start));
            pos = start = end == blank ? end + 1 : end;
        }
    }
    return lines;
}

}  // namespace

TEST(HostileHelp, FastWrapGivesTheSameLinesAsCharacterByCharacter)
{
    std::mt19937 generator(11);
    const std::string alphabet = "iiwwabc      \n";
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const size_t length = generator() % 400;
        for (size_t i = 0; i < length; ++i) text += alphabet[generator() % alphabet.size()];
        const int limit = 5 + static_cast<int>(generator() % 200);
        EXPECT_EQ(KW_WrapText(text, limit, NarrowWide), WrapOneCharacterAtATime(text, limit))
            << "text \"" << text << "\" at limit " << limit;
    }
}

TEST(HostileHelp, TenMegabytesOrOneLineOfAMegabyteWrapWithAFewMeasurementsPerLine)
{
    std::string text;
    while (text.size() < 10u * 1024 * 1024)
        text += "Mow every patch of grass before the clock runs out; clouds make it grow back.\n";
    long measurements = 0;
    auto lines = KW_WrapText(text, 500, [&](const std::string& s) {
        ++measurements;
        return NarrowWide(s);
    });
    ASSERT_GT(lines.size(), 130000u);
    EXPECT_LT(measurements, static_cast<long>(lines.size()) * 12) << "measuring each character of each line again";

    const std::string line(1024 * 1024, 'w');
    long measured = 0;
    lines = KW_WrapText(line, 700, [&](const std::string& s) {
        measured += static_cast<long>(s.size());
        return NarrowWide(s);
    });
    ASSERT_EQ(lines.size(), (line.size() + 48) / 49); // 49 of 14 pixels are the most below 700
    EXPECT_LT(measured, static_cast<long>(line.size()) * 40) << "characters measured in all, not the rest each time";
}
