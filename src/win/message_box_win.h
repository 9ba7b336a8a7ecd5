#pragma once

#include <windows.h>

#include <string>

// A message box whose text and caption come from the string table; returns
// the button the user chose (IDOK, IDYES, ...).
int showMessageBox(HWND owner, int textId, int captionId, UINT buttons);
// The same with a text made by the caller (a template filled in).
int showMessageBoxText(HWND owner, const std::wstring& text, int captionId, UINT buttons);
