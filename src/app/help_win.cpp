#include "app/help_win.h"

#include "store/data_file.h"
#include "win/resource_modules_win.h"

#include <array>

namespace {

// Where the HTML Help control registers itself, and its name when it is not
// registered; HtmlHelpA is its export 14.
constexpr char kHtmlHelpServerKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char kHtmlHelpModuleName[] = "hhctrl.ocx";
constexpr WORD kHtmlHelpOrdinal = 14;
constexpr UINT kDisplayTopic = 0; // HH_DISPLAY_TOPIC: the file's default topic
// The help file lies beside the module that supplies the resources, so a
// translated resource library brings its own help.
constexpr std::string_view kHelpFileName = "pyrite.chm";

} // namespace

HtmlHelpEntry locateHtmlHelpControl() {
    HMODULE module = nullptr;
    std::array<char, MAX_PATH> registered{};
    LONG size = static_cast<LONG>(registered.size());
    if (RegQueryValueA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, registered.data(), &size) ==
            ERROR_SUCCESS &&
        registered[0] != '\0')
        module = LoadLibraryA(registered.data());
    if (module == nullptr)
        module = LoadLibraryA(kHtmlHelpModuleName);
    if (module == nullptr)
        return nullptr;
    // The control stays loaded for the rest of the run; later calls reuse it.
    FARPROC entry = GetProcAddress(module, MAKEINTRESOURCEA(kHtmlHelpOrdinal));
    return reinterpret_cast<HtmlHelpEntry>(reinterpret_cast<void*>(entry));
}

namespace {

HtmlHelpLocator currentLocator = locateHtmlHelpControl;
bool located = false;
HtmlHelpEntry htmlHelp = nullptr;

} // namespace

void setHtmlHelpLocator(HtmlHelpLocator locator) {
    currentLocator = locator != nullptr ? locator : locateHtmlHelpControl;
    located = false;
    htmlHelp = nullptr;
}

std::string helpFilePath() {
    std::array<char, MAX_PATH> modulePath{};
    const DWORD length =
        GetModuleFileNameA(resourceModule(), modulePath.data(), modulePath.size());
    return pathBesideFile(std::string_view(modulePath.data(), length), kHelpFileName);
}

void showHelpTopics(HWND mainWindow) {
    // One attempt for the whole run: without the control, Help does nothing.
    if (!located) {
        htmlHelp = currentLocator();
        located = true;
    }
    if (htmlHelp == nullptr)
        return;
    const std::string path = helpFilePath();
    htmlHelp(mainWindow, path.c_str(), kDisplayTopic, 0);
}
