#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// String-table texts and the text conversions at the control boundary.
std::wstring loadResourceString(HINSTANCE module, int id);
std::wstring utf8ToWide(std::string_view text);
std::string wideToUtf8(std::wstring_view text);
// Code-page conversions; a character the code page cannot hold makes
// `lossy` true (the callers treat it as forbidden).
std::wstring codePageToWide(std::string_view text, unsigned codePage);
std::string wideToCodePage(std::wstring_view text, unsigned codePage, bool* lossy = nullptr);
