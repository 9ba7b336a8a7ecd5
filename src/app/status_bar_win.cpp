#include "app/status_bar_win.h"

#include "app/layout.h"
#include "app/lock_indicators.h"
#include "app/shell_win.h"
#include "app/ui_refresh_win.h"
#include "link/remote_mode.h"
#include "resource_ids.h"
#include "win/win_text_win.h"

#include <commctrl.h>

namespace {

void setPartText(int part, const wchar_t* text, UINT drawStyle) {
    HWND statusBar = theShell().statusBar;
    if (statusBar == nullptr)
        return;
    SendMessageW(statusBar, SB_SETTEXTW, static_cast<WPARAM>(part) | drawStyle,
                 reinterpret_cast<LPARAM>(text));
}

} // namespace

HWND createStatusBar(HWND mainWindow) {
    Shell& shell = theShell();
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
    const std::wstring hint = loadResourceString(shell.resourceModule, IDS_STATUS_HELP_HINT);
    setPartText(0, hint.c_str(), SBT_NOBORDERS);
    setStatusBarText(kActivityStatusPart, IDS_STATUS_READY);
    // The lock indicators are set by the same commands the lock keys send.
    for (const LockIndicator& indicator : lockIndicators())
        SendMessageW(mainWindow, WM_COMMAND, indicator.commandId, 0);
    return shell.statusBar;
}

void setStatusBarPartText(int part, const wchar_t* text) {
    setPartText(part, text, 0);
}

void setStatusBarText(int part, int stringId) {
    const std::wstring text = loadResourceString(theShell().resourceModule, stringId);
    setStatusBarPartText(part, text.c_str());
}
