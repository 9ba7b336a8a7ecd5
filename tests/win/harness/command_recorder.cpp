#include "harness/command_recorder.h"

namespace harness {
namespace {

// The hook procedure has no context of its own, so the recorder's state
// lives here.
std::vector<int> sentCommands;
HWND watchedWindow = nullptr;

LRESULT CALLBACK recordCommand(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == watchedWindow && call->message == WM_COMMAND)
        sentCommands.push_back(LOWORD(call->wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

CommandRecorder::CommandRecorder(HWND window) {
    sentCommands.clear();
    watchedWindow = window;
    hook_ = SetWindowsHookExW(WH_CALLWNDPROC, recordCommand, nullptr, GetCurrentThreadId());
}

CommandRecorder::~CommandRecorder() {
    UnhookWindowsHookEx(hook_);
    watchedWindow = nullptr;
}

const std::vector<int>& CommandRecorder::commands() const {
    return sentCommands;
}

} // namespace harness
