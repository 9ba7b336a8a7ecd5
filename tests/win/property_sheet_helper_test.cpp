#include "harness/harness.h"
#include "resource_ids.h"
#include "win/property_sheet_win.h"

#include <array>
#include <vector>

using namespace harness;

namespace {

// Stand-in hooks over two real page templates: they count what each page
// was told and refuse on demand, so the test sees how the sheet routes them.
struct Values {
    std::array<int, 2> shown{};
    std::array<int, 2> applied{};
    std::vector<int> activated;
    int applyRefusalsOfSecondPage = 0;
    int leaveRefusals = 0;
};

void show(HWND, int page, Values& values) {
    ++values.shown[static_cast<size_t>(page)];
}

void activate(HWND, int page, Values& values) {
    values.activated.push_back(page);
}

bool leave(HWND, int, Values& values) {
    if (values.leaveRefusals == 0)
        return true;
    --values.leaveRefusals;
    return false;
}

bool apply(HWND, int page, Values& values) {
    ++values.applied[static_cast<size_t>(page)];
    if (page == 1 && values.applyRefusalsOfSecondPage > 0) {
        --values.applyRefusalsOfSecondPage;
        return false;
    }
    return true;
}

constexpr SheetHooks<Values> kHooks{
    .show = show, .activate = activate, .leave = leave, .apply = apply};
constexpr std::array<int, 2> kPages = {IDD_TX_OPERATION_PAGE, IDD_RX_OPERATION_PAGE};

int currentIndex(HWND sheet) {
    return static_cast<int>(
        SendMessageW(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(currentSheetPage(sheet)), 0));
}

class PropertySheetHelper : public MainWindowTest {};

} // namespace

TEST_F(PropertySheetHelper, OnlyShownPagesAreMadeAndAskedToApply) {
    Values values;
    {
        ModalScript script;
        script.then([](HWND sheet) { pressSheetButton(sheet, PSBTN_OK); });
        EXPECT_TRUE(runPropertySheet(mainWindow(), IDS_MENU, kPages, kHooks, values));
    }
    EXPECT_EQ(values.shown, (std::array<int, 2>{1, 0}));
    EXPECT_EQ(values.applied, (std::array<int, 2>{1, 0}));
    EXPECT_EQ(values.activated, std::vector<int>{0});
}

TEST_F(PropertySheetHelper, ARefusedApplyKeepsTheSheetOpenOnThatPageAndALeaveRefusalKeepsThePage) {
    Values values;
    values.applyRefusalsOfSecondPage = 1;
    int pageAfterRefusedApply = -1;
    int pageAfterRefusedLeave = -1;
    {
        ModalScript script;
        script.then([](HWND sheet) {
            selectSheetPage(sheet, 1);
            selectSheetPage(sheet, 0);
            pressSheetButton(sheet, PSBTN_OK);
        });
        script.then([&](HWND sheet) {
            pageAfterRefusedApply = currentIndex(sheet);
            values.leaveRefusals = 1;
            selectSheetPage(sheet, 0);
            pageAfterRefusedLeave = currentIndex(sheet);
            pressSheetButton(sheet, PSBTN_OK);
        });
        EXPECT_TRUE(runPropertySheet(mainWindow(), IDS_MENU, kPages, kHooks, values));
    }
    EXPECT_EQ(pageAfterRefusedApply, 1);
    EXPECT_EQ(pageAfterRefusedLeave, 1);
    EXPECT_EQ(values.shown, (std::array<int, 2>{1, 1})) << "each page is made once";
    EXPECT_EQ(values.applied, (std::array<int, 2>{2, 2}));
}
