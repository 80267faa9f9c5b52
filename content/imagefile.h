// Pictures and texts written for the user (the editors' image export, the
// files other tools read): like every other save, through a temporary file
// beside the target.
#pragma once

#include <allegro5/allegro.h>

#include <string>

// Saves the bitmap in the format its extension names (".png", ".bmp",
// ".tga", ...) to path + ".tmp~", checks the write and the close, and renames
// it over path. On failure the temporary file goes and an existing file at
// path stays as it was.
bool SaveBitmapReplacing(const char* path, ALLEGRO_BITMAP* bitmap);

// Writes text to path through a temporary file beside it; false (and the old
// file kept) when any write, the close or the rename fails.
bool SaveTextReplacing(const char* path, const std::string& text);
