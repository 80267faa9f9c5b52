// KWUI2: the program's immediate-mode GUI toolkit. One include for screens.
//
// Layers, bottom to top: platform -> kwui -> content, audio -> game ->
// editors -> app. A file includes headers of its own layer or lower ones
// only: kwui/ includes kwui/ and platform/; content/ and audio/ include the
// toolkit but not each other. A lower layer reaches a higher one only through
// a hook the program installs at start-up: kwFatalHandler, kwCloseHandler and
// kwAudioHooks (kwui/context.h). tests/check_layers.sh fails on an include
// that runs up.
//
// The toolkit's state is one record, KW_Ctx() (kwui/context.h). Every screen
// loop has one shape: clear -> widgets -> act on their results ->
// KW_PresentFrame(); a modal dialog runs inside a KW_ModalScope.
#pragma once

#include "kwui/button.h"
#include "kwui/checkbox.h"
#include "kwui/closing.h"
#include "kwui/console.h"
#include "kwui/context.h"
#include "kwui/core.h"
#include "kwui/dialogs.h"
#include "kwui/dirlist.h"
#include "kwui/displaymode.h"
#include "kwui/draw.h"
#include "kwui/filedialog.h"
#include "kwui/frame.h"
#include "kwui/framebox.h"
#include "kwui/geometry.h"
#include "kwui/input.h"
#include "kwui/listbox.h"
#include "kwui/objectbrowser.h"
#include "kwui/popupmenu.h"
#include "kwui/progress.h"
#include "kwui/redraw.h"
#include "kwui/slider.h"
#include "kwui/textfield.h"
#include "kwui/textures.h"
#include "kwui/textwindow.h"
#include "kwui/timing.h"
#include "kwui/toolbar.h"
#include "kwui/tooltip.h"
#include "platform/platform.h"
