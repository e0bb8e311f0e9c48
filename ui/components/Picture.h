// Pictures from the program's resources.
#pragma once
#include <windows.h>

#include "ui/toolkit/Handles.h"

namespace talvek::ui {

// The packed picture `name` (an RCDATA resource, see PackedPicture.h) as a bitmap for the
// screen, as LoadImage makes one of a BITMAP resource; empty when it is missing or damaged.
Bitmap loadPackedPicture(HINSTANCE instance, const char* name);

} // namespace talvek::ui
