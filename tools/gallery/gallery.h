// The gallery screen: one of every widget, its values printed live, and an
// event log that the screen tests read.
#pragma once

// Runs the screen until "Quit".
void RunGallery();
