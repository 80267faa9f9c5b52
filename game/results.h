// The results of a won level: its time against the par, the stars, the
// records of the save slot updated, and the screen that shows them.
#pragma once

#include <string>

struct LevelResult {
    int levelNumber = 1;
    int skill = 1;
    double seconds = 0.0;
    double parSeconds = 0.0;
    int stars = 1;
    double percentCut = 100.0;
    double bestSeconds = 0.0;  // the best after this win
    bool newBest = false;
    std::string recordsError;  // the records file could not be read or written
};

// "12.3 s", or "1:05.3" from a minute up.
std::string FormatSeconds(double seconds);
// "***" with as many filled stars as won out of three (in the font's star signs).
std::string StarsText(int stars);

// The win of the current level in the given frames of play: the par from the
// planner, the stars, and the current slot's records updated and saved.
LevelResult RecordLevelWin(int frames);
// Shows the results until Enter or a click.
void ShowResultsScreen(const LevelResult& result);
