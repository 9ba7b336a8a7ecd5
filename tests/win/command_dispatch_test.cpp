#include "app/command_dispatch_win.h"
#include "app/shell_win.h"
#include "harness/harness.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

namespace {

class DispatchTest : public harness::MainWindowTest {};

} // namespace

// Ids the program does not know do nothing at all: no state changes, no
// window opens (the harness fails a test on any unexpected modal window).
TEST_F(DispatchTest, UnknownCommandsChangeNothing) {
    workspace().view = {true, true, View::speedDial, 5};
    workspace().linkActive = true;
    const int ids[] = {0, 803, 809, 810, 823, 824, 834, 1021, 65535};
    for (int id : ids) {
        SCOPED_TRACE(id);
        dispatchCommand(mainWindow(), id);
        EXPECT_TRUE(workspace().view.documentLoaded);
        EXPECT_TRUE(workspace().view.connected);
        EXPECT_EQ(workspace().view.currentView, View::speedDial);
        EXPECT_EQ(workspace().view.selectedRow, 5);
        EXPECT_TRUE(workspace().linkActive);
        EXPECT_FALSE(workspace().modifiedFlag);
    }
    workspace().linkActive = false;
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
    harness::sendCommand(mainWindow(), IDM_NUM_LOCK);
    harness::sendCommand(mainWindow(), IDM_CAPS_LOCK);
    harness::sendCommand(mainWindow(), IDM_SCROLL_LOCK);
    EXPECT_EQ(part(4), L"NUM");
    EXPECT_EQ(part(3), L" ");
    EXPECT_EQ(part(5), L"SCRL");

    setToggled(VK_NUMLOCK, false);
    setToggled(VK_CAPITAL, true);
    // Only the part of the command's own key changes.
    harness::sendCommand(mainWindow(), IDM_CAPS_LOCK);
    EXPECT_EQ(part(3), L"CAPS");
    EXPECT_EQ(part(4), L"NUM");
    harness::sendCommand(mainWindow(), IDM_NUM_LOCK);
    EXPECT_EQ(part(4), L" ");
    setToggled(VK_CAPITAL, false);
    setToggled(VK_SCROLL, false);
}
