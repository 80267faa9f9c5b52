// mkcontent: writes the game's whole content pack from code.
//   mkcontent [ROOT]                 writes ROOT/base/..., ROOT/kwuidata/textures/... and kwuidata/icons/...
//   mkcontent --sheet OUT.png [ROOT] draws a contact sheet of the content under ROOT
// ROOT defaults to the working folder. The output is the same on every run.
#include "tools/mkcontent/mkcontent.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

std::string OutputPaths::Base(const std::string& relative) const
{
    return (root.empty() ? std::string() : root + "/") + "base/" + relative;
}

std::string OutputPaths::Textures(const std::string& relative) const
{
    return (root.empty() ? std::string() : root + "/") + "kwuidata/textures/" + relative;
}

bool MakeFoldersFor(const std::string& filePath)
{
    for (size_t i = 1; i < filePath.size(); ++i) {
        if (filePath[i] != '/') continue;
        std::string folder = filePath.substr(0, i);
        if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) {
            std::fprintf(stderr, "Unable to create folder %s\n", folder.c_str());
            return false;
        }
    }
    return true;
}

bool WriteTextFile(const std::string& path, const std::string& text)
{
    if (!MakeFoldersFor(path)) return false;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "Unable to write %s\n", path.c_str());
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) std::fprintf(stderr, "Unable to write %s\n", path.c_str());
    return ok;
}

int main(int argc, char** argv)
{
    std::string sheet, root;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--sheet") == 0 && i + 1 < argc) {
            sheet = argv[++i];
        } else if (argv[i][0] == '-') {
            std::fprintf(stderr, "usage: mkcontent [--sheet out.png] [root folder]\n");
            return 2;
        } else {
            root = argv[i];
        }
    }
    while (root.size() > 1 && root.back() == '/') root.pop_back();

    if (!al_init() || !al_init_image_addon() || !al_init_primitives_addon() || !al_init_font_addon() ||
        !al_init_ttf_addon()) {
        std::fprintf(stderr, "mkcontent: Allegro did not start\n");
        return 1;
    }
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);

    if (!sheet.empty()) return WriteContactSheet(root, sheet) ? 0 : 1;

    al_init_acodec_addon();

    OutputPaths out{root};
    bool ok = true;
    ok = WriteIcons(out) && ok;
    ok = WriteAppIcons(out) && ok;
    ok = WriteSounds(out) && ok;
    ok = WriteMusic(out) && ok;
    ok = WritePictures(out) && ok;
    ok = WriteTileset(out) && ok;
    ok = WriteLevels(out) && ok;
    ok = WriteSprites(out) && ok;
    ok = WriteTexts(out) && ok;
    std::printf(ok ? "mkcontent: content written\n" : "mkcontent: some files could not be written\n");
    return ok ? 0 : 1;
}
