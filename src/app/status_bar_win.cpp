#include "app/status_bar_win.h"

#include "app/layout.h"
#include "app/lock_indicators.h"
#include "app/shell_win.h"
#include "resource_ids.h"
#include "win/resource_modules_win.h"

#include <commctrl.h>

namespace {

void setPartText(HWND mainWindow, int part, const wchar_t* text, UINT drawStyle) {
    HWND statusBar = shellOf(mainWindow).statusBar;
    if (statusBar == nullptr)
        return;
    SendMessageW(statusBar, SB_SETTEXTW, static_cast<WPARAM>(part) | drawStyle,
                 reinterpret_cast<LPARAM>(text));
}

bool lockKeyToggled(LockKey key) {
    switch (key) {
    case LockKey::numLock:
        return (GetKeyState(VK_NUMLOCK) & 1) != 0;
    case LockKey::capsLock:
        return (GetKeyState(VK_CAPITAL) & 1) != 0;
    case LockKey::scrollLock:
        return (GetKeyState(VK_SCROLL) & 1) != 0;
    }
    return false;
}

} // namespace

HWND createStatusBar(HWND mainWindow) {
    Shell& shell = shellOf(mainWindow);
    shell.statusBar = CreateWindowExW(
        0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, mainWindow,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)), shell.exeInstance, nullptr);
    if (shell.statusBar == nullptr)
        return nullptr;
    RECT client{};
    GetClientRect(mainWindow, &client);
    const auto edges = statusBarPartEdges(client.right);
    SendMessageW(shell.statusBar, SB_SETPARTS, edges.size(),
                 reinterpret_cast<LPARAM>(edges.data()));
    const std::wstring hint = loadString(IDS_STATUS_HELP_HINT);
    setPartText(mainWindow, 0, hint.c_str(), SBT_NOBORDERS);
    setStatusBarText(mainWindow, kActivityStatusPart, IDS_STATUS_READY);
    for (const LockIndicator& indicator : lockIndicators())
        refreshLockIndicator(mainWindow, indicator.commandId);
    return shell.statusBar;
}

void setStatusBarPartText(HWND mainWindow, int part, const wchar_t* text) {
    setPartText(mainWindow, part, text, 0);
}

void setStatusBarText(HWND mainWindow, int part, int stringId) {
    const std::wstring text = loadString(stringId);
    setStatusBarPartText(mainWindow, part, text.c_str());
}

void refreshLockIndicator(HWND mainWindow, int commandId) {
    const LockIndicator* indicator = findLockIndicator(commandId);
    if (indicator == nullptr)
        return;
    const int stringId = lockIndicatorStringId(*indicator, lockKeyToggled(indicator->key));
    const std::wstring text = stringId != 0 ? loadString(stringId) : L" ";
    setStatusBarPartText(mainWindow, indicator->statusBarPart, text.c_str());
}
