#pragma once

#include "app/shell_win.h"
#include "harness/program_files.h"
#include "workspace/workspace.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace harness {

// The real main window, made in this process by the program's own start-up
// steps over a fresh Workspace; the resources are the test program's copy of
// the program's resources. Closed and released after every test.
class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    Workspace& workspace() { return *workspace_; }
    Shell& shell() { return *shell_; }
    HWND mainWindow() const { return shell_->mainWindow; }

  private:
    std::unique_ptr<Workspace> workspace_ = std::make_unique<Workspace>();
    std::unique_ptr<Shell> shell_ = std::make_unique<Shell>();
    TempFolder backupFolder_;
};

// Delivers a menu or accelerator command to `window` the way the menu does
// and returns once the command has run (modal windows it opens included).
LRESULT sendCommand(HWND window, int commandId);

// Runs every message waiting for this thread. A quit message is taken off
// the queue (it would end the next modal loop) and its code returned.
std::optional<int> pumpMessages();

} // namespace harness
