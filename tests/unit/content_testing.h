// Helpers shared by the content format tests: a scratch folder, raw file
// bytes, little bitmaps and the "every truncation fails" check.
#pragma once

#include "content_bytes.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

// Memory-backed when the machine has it: the damage tests write thousands of small files.
class ScratchFolder {
public:
    ScratchFolder()
    {
        char shared[] = "/dev/shm/sodbolt-content-XXXXXX", plain[] = "/tmp/sodbolt-content-XXXXXX";
        const char* made = mkdtemp(shared);
        if (!made) made = mkdtemp(plain);
        folder = made ? made : "/tmp";
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(folder, ignored);
    }
    std::string Path(const std::string& name) const { return folder + "/" + name; }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

private:
    std::string folder;
};

// A scratch folder that is the working folder while it lives, so that relative paths and logs land in it.
class InScratchFolder {
public:
    InScratchFolder() : previous(std::filesystem::current_path()) { std::filesystem::current_path(scratch.Path("")); }
    ~InScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
    }
    ScratchFolder scratch;

private:
    std::filesystem::path previous;
};

inline Bytes ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string& path, const Bytes& bytes, size_t length = SIZE_MAX)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(std::min(length, bytes.size())));
}

struct Rgba {
    int r, g, b, a;
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};
inline std::ostream& operator<<(std::ostream& os, const Rgba& c)
{
    return os << "(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
}

inline Rgba PixelOf(ALLEGRO_BITMAP* bitmap, int x, int y)
{
    unsigned char r, g, b, a;
    al_unmap_rgba(al_get_pixel(bitmap, x, y), &r, &g, &b, &a);
    return Rgba{r, g, b, a};
}

// Runs DRAW with BITMAP as the target, then restores the earlier target.
template <class Draw> void DrawOn(ALLEGRO_BITMAP* bitmap, Draw draw)
{
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(bitmap);
    draw();
    al_set_target_bitmap(previous);
}

inline void FillBitmap(ALLEGRO_BITMAP* bitmap, ALLEGRO_COLOR colour) { DrawOn(bitmap, [&] { al_clear_to_color(colour); }); }

inline void PutPixelOn(ALLEGRO_BITMAP* bitmap, int x, int y, ALLEGRO_COLOR colour)
{
    DrawOn(bitmap, [&] { al_put_pixel(x, y, colour); });
}

// A bitmap filled with one colour; the caller destroys it.
inline ALLEGRO_BITMAP* MakeFilledBitmap(int w, int h, ALLEGRO_COLOR colour)
{
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(w, h);
    FillBitmap(bitmap, colour);
    return bitmap;
}

// Every prefix of a valid file (every 'stride' length and the last 64) fails to load and keeps the record.
inline void ExpectEveryTruncationFails(const std::string& path, const Bytes& valid,
                                       const std::function<bool(const std::string&)>& load,
                                       const std::function<void()>& expectUnchanged, size_t stride = 1)
{
    for (size_t length = 0; length < valid.size(); ++length) {
        if (length % stride != 0 && length + 64 < valid.size()) continue;
        WriteFileBytes(path, valid, length);
        ASSERT_FALSE(load(path)) << "a file cut to " << length << " of " << valid.size() << " bytes loaded";
        if (length % 97 == 0) expectUnchanged();
    }
    expectUnchanged();
}
