// Text field (being filled in).
#include "kwui/textfield.h"

void KW_CreateTextField(KW_TextField&, const std::string&, int, int, int, int) {}
void KW_DoTextField(KW_TextField&) {}
void KW_ReleaseTextField(KW_TextField&) {}
void KW_FocusTextField(const KW_TextField&) {}
bool KW_TextFieldHasFocus(const KW_TextField&) { return false; }
void KW_SetTextFieldText(KW_TextField&, const std::string&) {}
bool KW_TextFieldKey(KW_TextField&, int, int) { return false; }
uint8_t KW_NextFieldSlot(const uint8_t[256], uint8_t from) { return from; }
uint8_t KW_FreeFieldSlot(const uint8_t[256]) { return 0; }
void KW_TextFieldScrollStep(KW_TextField&, int (*)(const std::string&)) {}
