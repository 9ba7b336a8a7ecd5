#include "harness/modal_driver.h"

#include "harness/control_state.h"

#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cwchar>

namespace harness {

void runModalScriptStep(HWND active);

namespace {

constexpr UINT kWatchIntervalMs = 10;
constexpr DWORD kUnexpectedWindowGraceMs = 2000;
constexpr int kMessageBoxTextId = 0xFFFF;

ModalScript* currentScript = nullptr;
bool watchRunning = false;
HWND unexpectedWindow = nullptr;
DWORD unexpectedSince = 0;

BOOL CALLBACK findActiveDialog(HWND window, LPARAM result) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window) ||
        !IsWindowEnabled(window))
        return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

bool isPropertySheet(HWND window) {
    return currentSheetPage(window) != nullptr;
}

void dismissUnexpected(HWND window) {
    ADD_FAILURE() << "no step expected the modal window \"" << windowText(window) << "\" ("
                  << controlText(window, kMessageBoxTextId) << "); cancelled";
    if (isPropertySheet(window))
        pressSheetButton(window, PSBTN_CANCEL);
    else
        EndDialog(window, IDCANCEL);
}

void watchUnexpected(HWND active) {
    if (active == nullptr) {
        unexpectedWindow = nullptr;
        return;
    }
    if (active != unexpectedWindow) {
        unexpectedWindow = active;
        unexpectedSince = GetTickCount();
        return;
    }
    if (GetTickCount() - unexpectedSince >= kUnexpectedWindowGraceMs) {
        unexpectedWindow = nullptr;
        dismissUnexpected(active);
    }
}

void CALLBACK watchTick(HWND, UINT, UINT_PTR, DWORD) {
    // A step may pump messages itself; the watch must not run inside it.
    if (watchRunning)
        return;
    watchRunning = true;
    HWND active = activeModalWindow();
    if (active != nullptr && currentScript != nullptr && !currentScript->finished()) {
        unexpectedWindow = nullptr;
        runModalScriptStep(active);
    } else {
        watchUnexpected(active);
    }
    watchRunning = false;
}

} // namespace

// At most one step per tick: the tick after a step comes only once the
// messages that step posted have been handled (timer messages come last), so
// the next step sees the window those messages raised, if any.
void runModalScriptStep(HWND active) {
    DialogStep step = std::move(currentScript->steps_.front());
    currentScript->steps_.pop_front();
    step(active);
}

ModalScript::ModalScript() {
    EXPECT_EQ(currentScript, nullptr) << "one modal script at a time";
    currentScript = this;
}

ModalScript::~ModalScript() {
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " modal step(s) never found their window";
    currentScript = nullptr;
}

const MessageBoxRecord& ModalScript::answerMessageBox(int button) {
    MessageBoxRecord& record = records_.emplace_back();
    then([&record, button](HWND box) {
        record.shown = true;
        record.caption = windowText(box);
        record.text = controlText(box, kMessageBoxTextId);
        EXPECT_NE(GetDlgItem(box, kMessageBoxTextId), nullptr)
            << "expected a message box, found the dialog \"" << record.caption << "\"";
        clickButton(box, button);
    });
    return record;
}

void answerFileDialog(ModalScript& script, const std::wstring& path, std::wstring* title) {
    // The file name box of the system Open and Save dialogs.
    constexpr int kFileNameBox = 0x47c;
    script.then([path, title](HWND dialog) {
        if (title != nullptr)
            *title = windowText(dialog);
        setControlText(dialog, kFileNameBox, path);
        clickButton(dialog, IDOK);
    });
}

void ModalScript::then(DialogStep step) {
    steps_.push_back(std::move(step));
}

void installModalWatch() {
    SetTimer(nullptr, 0, kWatchIntervalMs, watchTick);
}

HWND activeModalWindow() {
    HWND active = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findActiveDialog, reinterpret_cast<LPARAM>(&active));
    return active;
}

void clickButton(HWND dialog, int controlId) {
    HWND button = GetDlgItem(dialog, controlId);
    EXPECT_NE(button, nullptr) << "no button " << controlId << " in \"" << windowText(dialog)
                               << "\"";
    if (button != nullptr)
        PostMessageW(button, BM_CLICK, 0, 0);
}

void setControlText(HWND dialog, int controlId, std::wstring_view text) {
    std::wstring value(text);
    EXPECT_TRUE(SetDlgItemTextW(dialog, controlId, value.c_str()))
        << "no control " << controlId << " in \"" << windowText(dialog) << "\"";
}

std::wstring controlText(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    return control == nullptr ? std::wstring{} : windowText(control);
}

void selectSheetPage(HWND sheet, int pageIndex) {
    SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(pageIndex), 0);
}

HWND currentSheetPage(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void pressSheetButton(HWND sheet, int button) {
    PostMessageW(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

} // namespace harness
