// The gallery's dialogs page: a button for each modal dialog, the file
// dialogs and an object browser of a few hundred generated pictures.
#pragma once

// Runs the page until "Quit" (Escape).
void RunDialogsPage();
