// PopupMenuClass (being filled in).
#include "kwui/popupmenu.h"

void PopupMenuClass::AddItem(const std::string&, const std::string&) {}
void PopupMenuClass::Clear() {}
int PopupMenuClass::Run(int, int) { return -1; }
int PopupMenuClass::ItemHeight(int) { return 36; }
void PopupMenuClass::Place(int&, int&, int, int, int, int) {}
int PopupMenuClass::ItemAt(int, int, int, int) const { return -1; }
void PopupMenuClass::Step(int) {}
