#pragma once

#include <windows.h>

#include <vector>

namespace harness {

// While it lives, records the ids of the WM_COMMAND messages sent to
// `window` on this thread, in order. One recorder at a time.
class CommandRecorder {
  public:
    explicit CommandRecorder(HWND window);
    ~CommandRecorder();
    CommandRecorder(const CommandRecorder&) = delete;
    CommandRecorder& operator=(const CommandRecorder&) = delete;

    const std::vector<int>& commands() const;

  private:
    HHOOK hook_;
};

} // namespace harness
