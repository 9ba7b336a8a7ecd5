#include "tool_commands.h"

#include <string>
#include <vector>

#include <windows.h>

#include <shellapi.h>

namespace {

std::string utf8(const wchar_t* text) {
    int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return {};
    std::string out(static_cast<size_t>(length - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), length, nullptr, nullptr);
    return out;
}

} // namespace

// The ANSI argv cannot hold every file name; the UTF-16 command line can.
int main() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide && i < count; ++i)
        arguments.push_back(utf8(wide[i]));
    LocalFree(wide);
    return runZeltDat(arguments);
}
