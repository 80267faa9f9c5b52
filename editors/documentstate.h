// What the three editors say about a document with unsaved changes: the "*"
// after its name in the toolbar title, and the wording of New and Exit.
#pragma once

#include <string>

// "level03.map*" while modified, the name alone otherwise.
std::string MarkedFileName(const std::string& fileName, bool modified);

// The editor's own New or Exit question, led by a sentence that names the
// unsaved file when there is something to lose.
std::string UnsavedChangesQuestion(const std::string& fileName, bool modified, const std::string& question);

// Asked when the window is closed while an editor runs: true at once when
// nothing would be lost, otherwise the user's answer.
bool MayQuitWithUnsavedChanges(const std::string& fileName, bool modified);
