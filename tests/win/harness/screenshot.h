#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace harness {

// The build's output folder (build/win64/out beside the test program's bin),
// created on first use.
std::wstring outputFolder();

// Saves what the screen shows of `window` (frame included) as a 24-bit
// out/screenshots/<name>.bmp after letting it paint; returns the file's path,
// or "" when nothing could be saved.
std::wstring saveScreenshot(HWND window, std::wstring_view name);

} // namespace harness
