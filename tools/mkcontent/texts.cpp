// The help text shown by the main menu's Help, and the empty save folder.
#include "tools/mkcontent/mkcontent.h"

namespace {

const char* kHelp =
    "SODBOLT - HOW TO MOW A MEADOW\n"
    "\n"
    "THE GOAL\n"
    "  Every level is a garden of 25 by 16 squares. Drive the mower over every square of\n"
    "  grass before the clock runs out. The status line under the garden shows the seconds\n"
    "  left and how much of the grass you have cut. Cut grass turns light and striped.\n"
    "  Paths, flower beds, paving and bridges can be driven over but need no mowing.\n"
    "  Rocks, hedges, walls, fences, trees, sheds, gnomes and water stop the mower.\n"
    "\n"
    "CONTROLS\n"
    "  Arrow keys      steer and drive (hold two for the diagonals)\n"
    "  P               pause the game; Space or a click carries on\n"
    "  F5              open the Audio Panel (also the speaker button below the garden)\n"
    "  Escape          leave the game and go back to the main menu\n"
    "  In the menus: Up and Down choose, Enter takes the choice, Escape goes back.\n"
    "\n"
    "CLOUDS AND THE CLOCK\n"
    "  Clouds drift over the garden and bounce off its edges. Now and then the grass\n"
    "  under a cloud grows back, and you have to cut it again. Later levels have more\n"
    "  clouds. The level is won the moment every grass square is cut at once.\n"
    "  When the clock reaches zero the level starts again from the beginning.\n"
    "  Skill levels: Easy doubles each level's time, Normal keeps it, Hard gives three\n"
    "  quarters of it.\n"
    "\n"
    "SAVED GAMES\n"
    "  Choose one of eight slots when you start to play. Your progress is saved at the\n"
    "  start of every level, so picking the slot again carries on where you left off.\n"
    "  Options > Delete Saved Game empties a slot.\n"
    "\n"
    "THE TOOLS (MAIN MENU > TOOLS)\n"
    "  Map Editor\n"
    "    Paint a level with tiles: left button paints, right button picks up the tile\n"
    "    under the pointer. N new map, F3 load, F2 save, A save as, Escape exit,\n"
    "    T choose the tile to paint with, P move the mower's start point,\n"
    "    B brush size, C show passable colours (yellow land, green grass, red solid,\n"
    "    blue water), D map title, F9 run the map at once, F5 Audio Panel.\n"
    "    The toolbar also sets the author, the time limit and the number of clouds.\n"
    "    Leave corridors two squares wide: the mower is as big as a square.\n"
    "  Tile Editor\n"
    "    Paint the 1024 tiles pixel by pixel: left button paints, right button picks\n"
    "    the colour. N new set, F3 load, F2 save, A save as, Escape exit, G go to a\n"
    "    tile, Left and Right step through the tiles, C drawing colour, keypad + and -\n"
    "    zoom, F5 copy, F6 paste, F flip, M mirror, R rotate, Y tile type (Land,\n"
    "    Grass, Solid, Water), D description, I import and E export an image.\n"
    "    Tile 1024 is the picture of mown grass.\n"
    "  Sprite Editor\n"
    "    Build animated sprites from image files. N new, F3 load, F2 save, A save as,\n"
    "    Escape exit, Left and Right step through the frames, F add a frame, Delete\n"
    "    remove it, T frame display time, I import and E export a frame image,\n"
    "    V preview, D description, keypad + and - zoom. Magenta is transparent.\n"
    "\n"
    "MODS\n"
    "  Start the game with  -base FOLDER  to play a mod: any file found in FOLDER\n"
    "  (maps/..., tiles/sodbolt.til, sprites/..., music/..., game.ini) is used instead\n"
    "  of the one in base/; everything else still comes from base/.\n"
    "  game.ini lists the levels: [info] MapsCount, then a section [map0], [map1], ...\n"
    "  for each level with its map file (under maps/) and its music (under music/).\n"
    "\n"
    "Happy mowing!\n";

}  // namespace

bool WriteTexts(const OutputPaths& out)
{
    bool ok = WriteTextFile(out.Base("help.txt"), kHelp);
    ok = WriteTextFile(out.Base("savegames/.keep"), "") && ok;
    return ok;
}
