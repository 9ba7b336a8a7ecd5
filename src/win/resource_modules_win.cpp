#include "win/resource_modules_win.h"

#include "win/win_text_win.h"

namespace {

// One pair for the process: modules are process-wide in Win32 too, and the
// program loads its resource library once at start-up.
HINSTANCE resourceModuleHandle = nullptr;
HINSTANCE executableHandle = nullptr;

} // namespace

void setResourceModules(HINSTANCE resourceModule, HINSTANCE executable) {
    resourceModuleHandle = resourceModule;
    executableHandle = executable;
}

HINSTANCE resourceModule() {
    return resourceModuleHandle != nullptr ? resourceModuleHandle : executableModule();
}

HINSTANCE executableModule() {
    return executableHandle != nullptr ? executableHandle : GetModuleHandleW(nullptr);
}

std::wstring loadString(int id) {
    std::wstring text = loadResourceString(resourceModule(), id);
    if (text.empty() && resourceModule() != executableModule())
        text = loadResourceString(executableModule(), id);
    return text;
}
