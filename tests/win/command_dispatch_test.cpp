#include "app/command_dispatch_win.h"
#include "app/shell_win.h"

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
    EXPECT_EQ(workspace.view.currentView, 2);
    EXPECT_EQ(workspace.view.selectedRow, 5);
    EXPECT_EQ(workspace.linkActive, 1u);
    EXPECT_EQ(workspace.modifiedFlag, 0);
}

TEST_F(DispatchFixture, MachinePropertiesMarkTheImageChanged) {
    EXPECT_EQ(dispatchCommand(nullptr, 806), 0);
    EXPECT_EQ(workspace.modifiedFlag, 1);
}
