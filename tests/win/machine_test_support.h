#pragma once

#include "harness/harness.h"
#include "link/in_process_transport.h"
#include "link/sample_machine_image.h"
#include "link/simulated_machine.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

// The real main window talking to a simulated machine in this process, as
// still-image device 0.
class MachineWindowTest : public harness::MainWindowTest {
  protected:
    void SetUp() override {
        harness::MainWindowTest::SetUp();
        machine.image = sampleMachineImage();
        attachMachine(&machine);
    }

    // nullptr: no machine attached at all.
    void attachMachine(SimulatedMachine* attached) {
        std::vector<SimulatedMachine*> devices;
        if (attached != nullptr)
            devices.push_back(attached);
        transport = std::make_unique<InProcessTransport>(devices);
        workspace().link.transport = transport.get();
        workspace().link.acceptedProductIds = {machine.productId};
    }

    LRESULT command(int commandId) { return harness::sendCommand(mainWindow(), commandId); }
    LRESULT timerTick() { return SendMessageW(mainWindow(), WM_TIMER, 1, 0); }

    // KillTimer only succeeds on a timer that exists: this ends the poll.
    bool pollTimerWasRunning() { return KillTimer(mainWindow(), 1) != FALSE; }

    bool menuEnabled(int commandId) {
        return harness::menuItemState(shell().mainMenu, commandId).enabled;
    }
    bool toolbarEnabled(int commandId) {
        return SendMessageW(shell().toolbar, TB_ISBUTTONENABLED, commandId, 0) != 0;
    }
    std::wstring statusPaneText() { return harness::controlText(shell().statusPane, 1039); }
    std::wstring activityText() { return harness::statusBarParts(shell().statusBar).at(1); }

    void connect() {
        command(801);
        ASSERT_EQ(workspace().view.connected, 1);
        ASSERT_EQ(workspace().linkActive, 1u);
    }
    void connectAndDownload() {
        connect();
        command(832);
        ASSERT_EQ(workspace().view.documentLoaded, 1);
    }

    SimulatedMachine machine;
    std::unique_ptr<InProcessTransport> transport;
};
