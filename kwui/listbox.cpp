// ListBoxClass (being filled in).
#include "kwui/listbox.h"

static const std::string kNoText;
void ListBoxClass::Create(int, int, int, int) {}
void ListBoxClass::AddRow(const std::string&, const std::string&, const std::string&) {}
void ListBoxClass::Clear() {}
void ListBoxClass::SetWrappedText(const std::string&) {}
void ListBoxClass::Update() {}
bool ListBoxClass::LoadFromTextFile(const std::string&) { return false; }
const std::string& ListBoxClass::SelectedText() const { return kNoText; }
const std::string& ListBoxClass::SelectedTag() const { return kNoText; }
void ListBoxClass::Layout() {}
int ListBoxClass::RowHeight() const { return 1; }
void ListBoxClass::MoveSelection(int) {}
void ListBoxClass::PageUp() {}
void ListBoxClass::PageDown() {}
bool ListBoxClass::HandleKey(int) { return false; }
int ListBoxClass::RowAt(int, int) const { return -1; }
void ListBoxClass::RegisterClick(int, const KW_DateTime&) {}
int ListBoxClass::WidestRow() const { return 0; }
bool KW_LoadFileToListBox(const std::string&, ListBoxClass&) { return false; }
std::vector<std::string> KW_WrapText(const std::string&, int, const KW_TextMeasure&) { return {}; }
