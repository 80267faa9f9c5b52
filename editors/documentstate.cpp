// The unsaved-changes marker and question shared by the editors.
#include "editors/documentstate.h"

#include "kwui/dialogs.h"

std::string MarkedFileName(const std::string& fileName, bool modified)
{
    return modified ? fileName + "*" : fileName;
}

std::string UnsavedChangesQuestion(const std::string& fileName, bool modified, const std::string& question)
{
    if (!modified) return question;
    return "There are unsaved changes in " + fileName + ".  " + question;
}

bool MayQuitWithUnsavedChanges(const std::string& fileName, bool modified)
{
    if (!modified) return true;
    return KW_Confirm("%s", UnsavedChangesQuestion(fileName, true, "Quit Sodbolt and lose them?").c_str());
}
