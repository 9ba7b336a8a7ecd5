#include "app/shell_messages_win.h"

#include "app/shell_win.h"
#include "app/ui_refresh_win.h"
#include "resource_ids.h"
#include "win/win_text_win.h"

namespace {

int showMessageBox(HWND owner, int textId, int captionId, UINT buttons) {
    HINSTANCE module = theShell().resourceModule;
    const std::wstring text = loadResourceString(module, textId);
    const std::wstring caption = loadResourceString(module, captionId);
    return MessageBoxW(owner, text.c_str(), caption.c_str(), buttons);
}

} // namespace

void showShellMessage(HWND owner, int textId) {
    showMessageBox(owner, textId, IDS_APP_TITLE, MB_OK);
}

bool askShellQuestion(HWND owner, int textId) {
    return showMessageBox(owner, textId, IDS_APP_TITLE, MB_YESNO) == IDYES;
}

void WindowLinkMessages::showMessage(int textId, int captionId) {
    showMessageBox(owner_, textId, captionId, MB_OK);
}

void WindowLinkMessages::setStatusText(int part, int textId) {
    setStatusBarText(part, textId);
}

void showMachineDataError(HWND owner) {
    WindowLinkMessages messages(owner);
    reportMachineDataError(messages);
}
