#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <string_view>

namespace harness {

// What a message box showed.
struct MessageBoxRecord {
    bool shown = false;
    std::wstring caption;
    std::wstring text;
};

using DialogStep = std::function<void(HWND dialog)>;

// Drives the modal windows (message boxes, dialogs, property sheets) that
// the code under test opens, from inside their own modal loops. Steps run in
// order, each once, on the active modal window: the newest enabled one, so a
// message box raised by a dialog is handled before the dialog itself. Queue
// the steps before sending the command that opens the windows. Steps act
// through posted messages, so what a click starts runs in the modal loop,
// not inside the step.
class ModalScript {
  public:
    ModalScript();
    // Reports every step that never found its window.
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Presses `button` (IDOK, IDYES, IDNO, IDCANCEL) in the next message box;
    // the record is filled when the box comes up.
    const MessageBoxRecord& answerMessageBox(int button);
    // Runs `step` on the next modal dialog or property sheet.
    void then(DialogStep step);
    bool finished() const { return steps_.empty(); }

  private:
    friend void runModalScriptStep(HWND active);
    std::deque<DialogStep> steps_;
    std::deque<MessageBoxRecord> records_;
    HWND lastWindow_ = nullptr;
};

// Answers the next system Open or Save dialog with `path` and OK, noting its
// title when asked.
void answerFileDialog(ModalScript& script, const std::wstring& path,
                      std::wstring* title = nullptr);

// Starts the 10 ms watch of this thread that runs the current script. A
// modal window that no step expects is reported as a test failure and
// cancelled after two seconds, so a test never hangs on one.
void installModalWatch();

// The newest enabled and visible dialog-class window of this thread.
HWND activeModalWindow();

void clickButton(HWND dialog, int controlId);
void setControlText(HWND dialog, int controlId, std::wstring_view text);
std::wstring controlText(HWND dialog, int controlId);

// Property sheets.
void selectSheetPage(HWND sheet, int pageIndex);
HWND currentSheetPage(HWND sheet);
void pressSheetButton(HWND sheet, int button); // PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW

} // namespace harness
