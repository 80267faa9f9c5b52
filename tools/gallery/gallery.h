// The gallery screen: one of every widget, its values printed live, and an
// event log that the screen tests read.
#pragma once

void GalleryOpenLog(const char* path);
void GalleryCloseLog();
// Runs the screen until "Quit".
void RunGallery();
