#pragma once

#include <windows.h>

// The About box, modal on `owner`. Its texts are always the executable's
// own, whichever module supplies the other resources.
void showAboutBox(HWND owner);
