#pragma once

#include "app/layout.h"

#include <windows.h>

#include <ostream>

// Where a child window of the main window sits, in its parent's client
// coordinates, as a user would measure it.
inline PaneRect placeOf(HWND child) {
    RECT frame{};
    GetWindowRect(child, &frame);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&frame), 2);
    return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

inline void PrintTo(const PaneRect& rect, std::ostream* out) {
    *out << "{" << rect.x << ", " << rect.y << ", " << rect.width << ", " << rect.height << "}";
}
