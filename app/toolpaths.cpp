// sodbolt.ini: the editors' folders and the level's keys, read at start-up,
// rewritten whole at exit.
#include "app/startup.h"

#include "editors/toolpaths.h"
#include "game/controls.h"
#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/filedialog.h"

#include <allegro5/allegro.h>

namespace {
struct ToolPathKey {
    const char* key;
    std::string* value;
};
const ToolPathKey kKeys[] = {
    {"ImageImportPath", &ImageImportPath},
    {"ImageExportPath", &ImageExportPath},
    {"ImportZentorTilesPath", &ImportZentorTilesPath},
    {"ImportZentorSpritePath", &ImportZentorSpritePath},
};
}  // namespace

void LoadToolPaths()
{
    ALLEGRO_CONFIG* config = al_load_config_file(gSettingsFileName.c_str());
    for (const ToolPathKey& k : kKeys) {
        const char* value = config ? al_get_config_value(config, "other", k.key) : nullptr;
        *k.value = value ? value : "";
        // A path no file dialog can start from would refuse every import and
        // export for good: start that dialog afresh instead.
        if (!FileDialogIsUsablePath(*k.value)) {
            KW_Message("%s in %s is not a usable path; its dialog starts in the working folder", k.key,
                       gSettingsFileName.c_str());
            k.value->clear();
        }
    }
    if (!LoadKeyBindings(config, gKeyBindings))
        KW_Message("%s gives one key to two actions; the default keys are used", gSettingsFileName.c_str());
    if (config) al_destroy_config(config);
}

void SaveToolPaths()
{
    ALLEGRO_CONFIG* config = al_create_config();
    if (!config) return;
    for (const ToolPathKey& k : kKeys) al_set_config_value(config, "other", k.key, k.value->c_str());
    SaveKeyBindings(config, gKeyBindings);
    if (!KW_SaveConfigReplacing(gSettingsFileName.c_str(), config))
        KW_LogError("Unable to write %s", gSettingsFileName.c_str());
    al_destroy_config(config);
}
