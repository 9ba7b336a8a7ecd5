#include "win/win_text_win.h"

std::wstring loadResourceString(HINSTANCE module, int id) {
    const wchar_t* text = nullptr;
    // With a zero buffer size LoadStringW hands out a read-only pointer to the
    // resource itself, so no text is ever cut short.
    int length = LoadStringW(module, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr)
        return {};
    return std::wstring(text, static_cast<size_t>(length));
}

std::wstring codePageToWide(std::string_view text, unsigned codePage) {
    if (text.empty())
        return {};
    int size =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string wideToCodePage(std::wstring_view text, unsigned codePage, bool* lossy) {
    if (lossy)
        *lossy = false;
    if (text.empty())
        return {};
    BOOL usedDefault = FALSE;
    // UTF-8 does not accept the default-character arguments.
    BOOL* usedDefaultOut = codePage == CP_UTF8 ? nullptr : &usedDefault;
    int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, usedDefaultOut);
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                        size, nullptr, usedDefaultOut);
    if (lossy)
        *lossy = usedDefault != FALSE;
    return narrow;
}

std::wstring utf8ToWide(std::string_view text) {
    return codePageToWide(text, CP_UTF8);
}

std::string wideToUtf8(std::wstring_view text) {
    return wideToCodePage(text, CP_UTF8);
}
