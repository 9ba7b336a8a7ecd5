#include "app/command_dispatch_win.h"
#include "app/shell_win.h"
#include "harness/harness.h"

#include <gtest/gtest.h>

namespace {

struct DispatchFixture : testing::Test {
    Workspace workspace;
    Workspace* previous = nullptr;
    void SetUp() override {
        previous = theShell().workspace;
        theShell().workspace = &workspace;
    }
    void TearDown() override { theShell().workspace = previous; }
};

} // namespace

TEST_F(DispatchFixture, UnknownIdsReturnZeroAndChangeNothing) {
    workspace.view = {1, 1, 2, 5};
    workspace.linkActive = 1;
    for (int id : {0, 803, 809, 810, 823, 824, 834, 1021, 65535}) {
        EXPECT_EQ(dispatchCommand(nullptr, id), 0) << id;
    }
    EXPECT_EQ(workspace.view.documentLoaded, 1);
    EXPECT_EQ(workspace.view.connected, 1);
    EXPECT_EQ(workspace.view.currentView, View::speedDial);
    EXPECT_EQ(workspace.view.selectedRow, 5);
    EXPECT_EQ(workspace.linkActive, 1u);
    EXPECT_EQ(workspace.modifiedFlag, 0);
}

TEST_F(DispatchFixture, MachinePropertiesMarkTheImageChanged) {
    EXPECT_EQ(dispatchCommand(nullptr, 806), 0);
    EXPECT_EQ(workspace.modifiedFlag, 1);
}

namespace {

class LockIndicatorTest : public harness::MainWindowTest {
  protected:
    void setToggled(int virtualKey, bool on) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[virtualKey] = on ? 1 : 0;
        SetKeyboardState(keys);
    }
    std::wstring part(int index) { return harness::statusBarParts(shell().statusBar).at(index); }
};

} // namespace

TEST_F(LockIndicatorTest, EachLockCommandShowsItsKeysToggleState) {
    setToggled(VK_NUMLOCK, true);
    setToggled(VK_CAPITAL, false);
    setToggled(VK_SCROLL, true);
    harness::sendCommand(mainWindow(), 828);
    harness::sendCommand(mainWindow(), 829);
    harness::sendCommand(mainWindow(), 830);
    EXPECT_EQ(part(4), L"NUM");
    EXPECT_EQ(part(3), L" ");
    EXPECT_EQ(part(5), L"SCRL");

    setToggled(VK_NUMLOCK, false);
    setToggled(VK_CAPITAL, true);
    // Only the part of the command's own key changes.
    harness::sendCommand(mainWindow(), 829);
    EXPECT_EQ(part(3), L"CAPS");
    EXPECT_EQ(part(4), L"NUM");
    harness::sendCommand(mainWindow(), 828);
    EXPECT_EQ(part(4), L" ");
    setToggled(VK_CAPITAL, false);
    setToggled(VK_SCROLL, false);
}
