#include "settings/settings_sheet.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<int> templatesOf(const std::vector<const SheetPageRow*>& pages) {
    std::vector<int> ids;
    for (const SheetPageRow* page : pages)
        ids.push_back(page->templateId);
    return ids;
}

bool sameStore(const RecordStore& a, const RecordStore& b) {
    return std::memcmp(&a, &b, sizeof(RecordStore)) == 0;
}

} // namespace

TEST(SettingsSheet, NetworkPagesOnlyWithTheKit) {
    MachineInformation information;
    EXPECT_EQ(templatesOf(offeredPages(information)),
              (std::vector<int>{715, 716, 718, 720, 721, 722}));
    information.nicKit = 1;
    EXPECT_EQ(templatesOf(offeredPages(information)),
              (std::vector<int>{715, 716, 718, 720, 721, 722, 723, 2335, 727}));
    ASSERT_EQ(sheetPageTable().size(), 9u);
    EXPECT_EQ(sheetPageTable()[0].titleId, IDS_PAGE_MACHINE_SETTING);
    EXPECT_EQ(sheetPageTable()[7].titleId, IDS_PAGE_NETWORK_SETTING);
}

TEST(SettingsSheet, ApplyPacksOnlyWhenEveryPendingPageAccepts) {
    Workspace workspace;
    initStore(workspace.store);
    unpackStore(workspace.store, workspace.mirror);
    SheetSession session = openSheetSession(workspace.mirror.machineInformation);
    ASSERT_EQ(session.pending.size(), 6u);
    const RecordStore before = workspace.store;
    auto acceptAll = [](int) { return true; };

    EXPECT_EQ(applySheet(session, workspace, acceptAll).outcome, ApplyOutcome::nothingPending);
    EXPECT_FALSE(workspace.modifiedFlag);

    // One page passes, a later one refuses: nothing reaches the store.
    workspace.mirror.autoPanelReset = 3;
    workspace.mirror.header = 2;
    session.pending[0] = true;
    session.pending[3] = true;
    std::vector<int> asked;
    const ApplyResult refused = applySheet(session, workspace, [&](int page) {
        asked.push_back(page);
        return page != 3;
    });
    EXPECT_EQ(refused.outcome, ApplyOutcome::refused);
    EXPECT_EQ(refused.refusedPage, 3);
    EXPECT_EQ(asked, (std::vector<int>{0, 3}));
    EXPECT_TRUE(sameStore(workspace.store, before));
    EXPECT_TRUE(session.pending[0] && session.pending[3]) << "the flags stay for the next try";
    EXPECT_FALSE(workspace.modifiedFlag);

    EXPECT_EQ(applySheet(session, workspace, acceptAll).outcome, ApplyOutcome::packed);
    EXPECT_EQ(workspace.store.slots[3].payload[0], 3);
    EXPECT_EQ(workspace.store.slots[37].payload[0], 2);
    EXPECT_TRUE(workspace.modifiedFlag);
    EXPECT_EQ(session.pending, std::vector<bool>(6, false));
    EXPECT_EQ(applySheet(session, workspace, acceptAll).outcome, ApplyOutcome::nothingPending);
}

TEST(SettingsSheet, RangeCheckTakesOnlyWholeNumbersWithinBounds) {
    struct Case {
        const char* text;
        RangeVerdict verdict;
    };
    const Case cases[] = {
        {"", RangeVerdict::notAnInteger},    {"abc", RangeVerdict::notAnInteger},
        {"12x", RangeVerdict::notAnInteger}, {" 7", RangeVerdict::notAnInteger},
        {"5", RangeVerdict::valid},          {"20", RangeVerdict::valid},
        {"4", RangeVerdict::outOfRange},     {"21", RangeVerdict::outOfRange},
        {"-1", RangeVerdict::outOfRange},    {"99999999999", RangeVerdict::outOfRange},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkRange(c.text, 5, 20), c.verdict) << '"' << c.text << '"';
}

TEST(SettingsSheet, TextLengthsAndTheNetworkFlagFollowOnlyAnAppliedPage) {
    constexpr size_t kPrefixSlot = 52, kSenderNameSlot = 63, kServerSlot = 61;
    constexpr int kCommunication = 5, kEmail = 6, kNetwork = 7;
    Workspace workspace;
    initStore(workspace.store);
    workspace.store.slots[0].payload[3] = 1; // network interface kit
    workspace.store.slots[kSenderNameSlot].payloadLength = 22;
    unpackStore(workspace.store, workspace.mirror);
    SheetSession session = openSheetSession(workspace.mirror.machineInformation);
    const auto edit = [&](int page, int controlId, const char* text) {
        PageContext context = pageContext(session, workspace, page);
        session.pending[static_cast<size_t>(page)] =
            typeText(session.pages[static_cast<size_t>(page)]->page(), context, controlId, text)
                .changed;
    };
    const auto acceptAll = [](int) { return true; };

    // An edit that is never applied leaves the length alone.
    edit(kEmail, IDC_SENDER_NAME_EDIT, "Front Desk");
    EXPECT_EQ(workspace.store.slots[kSenderNameSlot].payloadLength, 22u);
    edit(kCommunication, IDC_PREFIX_EDIT, "9");
    EXPECT_EQ(workspace.store.slots[kPrefixSlot].payloadLength, 0u);

    // The E-Mail page refuses its port 0: nothing is stored.
    ApplyResult result = applySheet(session, workspace, acceptAll);
    EXPECT_EQ(result.refusedPage, kEmail);
    EXPECT_EQ(result.refusal, (Refusal{IDC_SMTP_PORT_EDIT, IDS_PORT_RANGE, std::pair{1, 65535}}));
    EXPECT_EQ(workspace.store.slots[kPrefixSlot].payloadLength, 0u);
    edit(kEmail, IDC_SMTP_PORT_EDIT, "25");
    ASSERT_EQ(applySheet(session, workspace, acceptAll).outcome, ApplyOutcome::packed);
    EXPECT_EQ(workspace.store.slots[kSenderNameSlot].payloadLength, 10u);
    EXPECT_EQ(workspace.store.slots[kPrefixSlot].payloadLength, 1u);
    EXPECT_EQ(workspace.networkChangeFlag, 0);

    PageContext network = pageContext(session, workspace, kNetwork);
    setAddress(session.pages[kNetwork]->page(), network, IDC_SERVER_ADDRESS, 0x0A000005);
    session.pending[kNetwork] = true;
    ASSERT_EQ(applySheet(session, workspace, acceptAll).outcome, ApplyOutcome::packed);
    EXPECT_EQ(workspace.networkChangeFlag, 1);
    EXPECT_EQ(workspace.store.slots[kServerSlot].payloadLength, 4u);
    const auto& payload = workspace.store.slots[kServerSlot].payload;
    EXPECT_EQ((std::vector<int>{payload[3], payload[2], payload[1], payload[0]}),
              (std::vector<int>{5, 0, 0, 10}));
}
