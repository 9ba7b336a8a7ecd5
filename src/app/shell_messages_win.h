#pragma once

#include "link/remote_mode.h"

#include <windows.h>

// The shell's message boxes: texts and captions come from the string table,
// the caption is the program's title unless a caller names another.

// A message with an OK button.
void showShellMessage(HWND owner, int textId);

// A question with Yes and No; true only when the user answers Yes.
bool askShellQuestion(HWND owner, int textId);

// How the link's failures reach the user: a message box owned by the main
// window and the main window's status bar.
class WindowLinkMessages : public LinkMessages {
  public:
    explicit WindowLinkMessages(HWND owner) : owner_(owner) {}
    void showMessage(int textId, int captionId) override;
    void setStatusText(int part, int textId) override;

  private:
    HWND owner_;
};
