#include "win/message_box_win.h"

#include "win/resource_modules_win.h"

int showMessageBox(HWND owner, int textId, int captionId, UINT buttons) {
    return showMessageBoxText(owner, loadString(textId), captionId, buttons);
}

int showMessageBoxText(HWND owner, const std::wstring& text, int captionId, UINT buttons) {
    const std::wstring caption = loadString(captionId);
    return MessageBoxW(owner, text.c_str(), caption.c_str(), buttons);
}
