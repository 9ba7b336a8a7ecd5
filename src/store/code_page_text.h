#pragma once

#include <string>
#include <string_view>

// Converts text in a Windows code page (1250, 1251, 1252 or 932) to UTF-8.
// Any other code page reads as 1252. Bytes a code page leaves undefined,
// and double-byte characters of 932, become U+FFFD.
std::string codePageToUtf8(std::string_view text, int codePage);
