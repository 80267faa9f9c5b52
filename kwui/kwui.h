// KWUI2: the program's immediate-mode GUI toolkit. One include for screens.
#pragma once

#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/dialogs.h"
#include "kwui/dirlist.h"
#include "kwui/draw.h"
#include "kwui/geometry.h"
#include "kwui/input.h"
#include "kwui/textures.h"
#include "kwui/textwindow.h"
#include "kwui/timing.h"
#include "kwui/tooltip.h"
#include "platform/platform.h"
