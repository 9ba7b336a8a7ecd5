#include "harness/harness.h"
#include "resource_ids.h"
#include "win/dialog_win.h"

using namespace harness;

namespace {

// A stand-in dialog over the About template: the hooks record what they
// were given and change the working copy, so the test sees what reaches the
// caller on each way out.
struct Values {
    int shown = 0;
    int refusalsLeft = 0;
    std::wstring text;
};

void show(HWND dialog, Values& values) {
    ++values.shown;
    SetDlgItemTextW(dialog, IDC_ABOUT_PRODUCT, values.text.c_str());
    values.text = L"changed while open";
}

bool accept(HWND dialog, Values& values) {
    if (values.refusalsLeft > 0) {
        --values.refusalsLeft;
        return false;
    }
    values.text = controlText(dialog, IDC_ABOUT_PRODUCT) + L" accepted";
    return true;
}

constexpr DialogHooks<Values> kHooks{.show = show, .accept = accept};

class DialogHelper : public MainWindowTest {};

} // namespace

TEST_F(DialogHelper, OkHandsBackTheValuesOnlyWhenAcceptedAndCancelLeavesThemAlone) {
    Values values{.text = L"in"};
    bool stillOpenAfterRefusal = false;
    {
        ModalScript script;
        script.then([](HWND dialog) { clickButton(dialog, IDOK); });
        script.then([&](HWND dialog) {
            stillOpenAfterRefusal = IsWindowVisible(dialog) != FALSE;
            clickButton(dialog, IDOK);
        });
        values.refusalsLeft = 1;
        EXPECT_TRUE(runModalDialog(mainWindow(), IDD_ABOUT, kHooks, values));
    }
    EXPECT_TRUE(stillOpenAfterRefusal);
    EXPECT_EQ(values.text, L"in accepted");
    EXPECT_EQ(values.shown, 1);
    EXPECT_EQ(values.refusalsLeft, 0);

    const Values before = values;
    {
        ModalScript script;
        // Escape: the About template has no Cancel button of its own.
        script.then([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
        EXPECT_FALSE(runModalDialog(mainWindow(), IDD_ABOUT, kHooks, values));
    }
    EXPECT_EQ(values.text, before.text) << "the working copy never reaches the caller";
    EXPECT_EQ(values.shown, before.shown);
}

TEST_F(DialogHelper, AMissingTemplateIsACancelledDialog) {
    Values values{.text = L"kept"};
    EXPECT_FALSE(runModalDialog(mainWindow(), 1, kHooks, values));
    EXPECT_EQ(values.text, L"kept");
    EXPECT_EQ(values.shown, 0);
}
