#pragma once

#include "harness/harness.h"
#include "link/in_process_transport.h"
#include "link/sample_machine_image.h"
#include "link/simulated_machine.h"
#include "resource_ids.h"

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Names the scenario step that the checks after it belong to, in failures.
class StepTrace {
  public:
    void operator()(const char* what) {
        trace.reset();
        trace.emplace(__FILE__, __LINE__, what);
    }

  private:
    std::optional<testing::ScopedTrace> trace;
};

// The real main window talking to a simulated machine in this process, as
// still-image device 0.
class MachineWindowTest : public harness::MainWindowTest {
  protected:
    static constexpr int kMessageBoxText = 0xFFFF;

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
    std::wstring statusPaneText() {
        return harness::controlText(shell().statusPane, IDC_STATUS_TEXT);
    }
    std::wstring activityText() { return harness::statusBarParts(shell().statusBar).at(1); }

    // What the one message box of a step said, and the connection as it
    // stood while the box was open.
    struct ShownMessage {
        std::wstring caption;
        std::wstring text;
        uint32_t linkActiveMeanwhile = 0;
        bool remoteModeMeanwhile = false;
    };

    // Runs `step`, answering the one message box it shows with OK.
    template <typename Step> ShownMessage messageShownBy(Step step) {
        ShownMessage shown;
        harness::ModalScript script;
        script.then([this, &shown](HWND box) {
            shown.caption = harness::windowText(box);
            shown.text = harness::controlText(box, kMessageBoxText);
            shown.linkActiveMeanwhile = workspace().linkActive;
            shown.remoteModeMeanwhile = machine.inRemoteMode();
            harness::clickButton(box, IDOK);
        });
        step();
        return shown;
    }
    ShownMessage messageOfCommand(int commandId) {
        return messageShownBy([this, commandId] { command(commandId); });
    }
    ShownMessage messageOfTimerTick() {
        return messageShownBy([this] { timerTick(); });
    }

    // What the "Changes on the machine" dialog showed; filled when it comes
    // up and is answered with `button` (IDOK is Yes, IDCANCEL is No or Close).
    struct ShownChanges {
        std::wstring title, heading, list;
        bool asks = false;
    };
    std::shared_ptr<ShownChanges> answerChanges(harness::ModalScript& script, int button) {
        auto shown = std::make_shared<ShownChanges>();
        script.then([shown, button](HWND dialog) {
            shown->title = harness::windowText(dialog);
            shown->heading = harness::controlText(dialog, IDC_CHANGES_QUESTION);
            shown->list = harness::controlText(dialog, IDC_CHANGES_LIST);
            shown->asks = IsWindowVisible(GetDlgItem(dialog, IDOK));
            harness::clickButton(dialog, button);
        });
        return shown;
    }

    void expectConnection(int connected, uint32_t linkActive) {
        EXPECT_EQ(workspace().view.connected, connected);
        EXPECT_EQ(workspace().linkActive, linkActive);
    }

    // The machine ended the session on its side: the program has
    // disconnected, and told the machine, before it shows why.
    void expectDisconnectedBeforeMessage(const ShownMessage& box, const wchar_t* text) {
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.linkActiveMeanwhile, 0u);
        EXPECT_FALSE(box.remoteModeMeanwhile);
        expectConnection(0, 0);
    }

    void connect() {
        command(IDM_CONNECT);
        ASSERT_EQ(workspace().view.connected, 1);
        ASSERT_EQ(workspace().linkActive, 1u);
    }
    void connectAndDownload() {
        connect();
        command(IDM_DOWNLOAD);
        ASSERT_EQ(workspace().view.documentLoaded, 1);
    }

    SimulatedMachine machine;
    std::unique_ptr<InProcessTransport> transport;
    StepTrace step;
};
