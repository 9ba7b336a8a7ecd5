#include "settings/settings_sheet.h"

#include "link/transfer_protocol.h"
#include "resource_ids.h"
#include "settings/communication_page.h"
#include "settings/copy_setting_page.h"
#include "settings/email_setting_page.h"
#include "settings/machine_setting_page.h"
#include "settings/network_setting_page.h"
#include "settings/paper_source_page.h"
#include "settings/rx_operation_page.h"
#include "settings/scanner_setting_page.h"
#include "settings/tx_operation_page.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

constexpr SheetPageRow kPages[] = {
    {IDS_PAGE_MACHINE_SETTING, IDD_MACHINE_SETTING_PAGE, machineSettingPage},
    {IDS_PAGE_PAPER_SOURCE, IDD_PAPER_SOURCE_PAGE, paperSourcePage},
    {IDS_PAGE_COPY_SETTING, IDD_COPY_SETTING_PAGE, copySettingPage},
    {IDS_PAGE_TX_OPERATION, IDD_TX_OPERATION_PAGE, txOperationPage},
    {IDS_PAGE_RX_OPERATION, IDD_RX_OPERATION_PAGE, rxOperationPage},
    {IDS_PAGE_COMMUNICATION, IDD_COMMUNICATION_PAGE, communicationPage},
    {IDS_PAGE_EMAIL_SETTING, IDD_EMAIL_SETTING_PAGE, emailSettingPage},
    {IDS_PAGE_NETWORK_SETTING, IDD_NETWORK_SETTING_PAGE, networkSettingPage},
    {IDS_PAGE_SCANNER_SETTING, IDD_SCANNER_SETTING_PAGE, scannerSettingPage},
};

// The pages a machine without the network interface kit cannot use, in
// table order. The LDAP page is not in the table; the walk passes it by.
constexpr std::array<int, 4> kNetworkKitPages = {IDD_EMAIL_SETTING_PAGE, IDD_NETWORK_SETTING_PAGE,
                                                 IDD_SCANNER_SETTING_PAGE, IDD_LDAP_SETTING_PAGE};

// The lengths follow the texts only here, when they reach the image: a text
// edited and then cancelled never leaves a new length over the old text.
void storeTextLengths(const PageDef& page, Workspace& workspace) {
    for (const ControlRow& row : page.controls) {
        if (!row.storesLength)
            continue;
        for (const MirrorField& field : mirrorFields()) {
            if (field.mirrorOffset != row.field.offset)
                continue;
            const size_t length = row.kind == ControlKind::text
                                      ? readText(workspace.mirror, row.field).size()
                                      : row.field.width;
            workspace.store.slots[static_cast<size_t>(field.slot)].payloadLength =
                static_cast<uint32_t>(length);
        }
    }
}

} // namespace

std::span<const SheetPageRow> sheetPageTable() {
    return kPages;
}

std::vector<const SheetPageRow*> offeredPages(const MachineInformation& information) {
    const bool kitInstalled = information.nicKit != 0;
    std::vector<const SheetPageRow*> offered;
    size_t excluded = 0;
    for (const SheetPageRow& row : kPages) {
        if (!kitInstalled && excluded < kNetworkKitPages.size() &&
            row.templateId == kNetworkKitPages[excluded]) {
            ++excluded;
            continue;
        }
        offered.push_back(&row);
    }
    return offered;
}

SheetSession openSheetSession(const MachineInformation& information) {
    SheetSession session{.pages = offeredPages(information)};
    session.pending.assign(session.pages.size(), false);
    session.memory.assign(session.pages.size(), PageMemory{});
    return session;
}

PageContext pageContext(SheetSession& session, Workspace& workspace, int pageIndex) {
    return PageContext{workspace.mirror, workspace.startup.modelFamily,
                       &session.memory[static_cast<size_t>(pageIndex)]};
}

ApplyResult applySheet(SheetSession& session, Workspace& workspace,
                       const std::function<bool(int pageIndex)>& pageAccepts) {
    if (std::none_of(session.pending.begin(), session.pending.end(), [](bool p) { return p; }))
        return {};
    for (size_t page = 0; page < session.pending.size(); ++page) {
        if (!session.pending[page])
            continue;
        const int index = static_cast<int>(page);
        if (!pageAccepts(index))
            return {ApplyOutcome::refused, index};
        const PageDef& definition = session.pages[page]->page();
        if (definition.check != nullptr)
            if (auto refusal =
                    definition.check(pageContext(session, workspace, index), CheckMoment::applying))
                return {ApplyOutcome::refused, index, refusal};
    }
    for (size_t page = 0; page < session.pending.size(); ++page) {
        const PageDef& definition = session.pages[page]->page();
        if (!session.pending[page] || definition.commit == nullptr)
            continue;
        PageContext context = pageContext(session, workspace, static_cast<int>(page));
        if (definition.commit(context) == CommitEffect::networkChanged)
            workspace.networkChangeFlag = kNetworkChangePending;
    }
    packStore(workspace.mirror, workspace.store);
    for (size_t page = 0; page < session.pending.size(); ++page)
        if (session.pending[page])
            storeTextLengths(session.pages[page]->page(), workspace);
    workspace.modifiedFlag = true;
    session.pending.assign(session.pending.size(), false);
    return {ApplyOutcome::packed};
}

RangeVerdict checkRange(std::string_view text, int minimum, int maximum) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error == std::errc::invalid_argument || stop != end)
        return RangeVerdict::notAnInteger;
    if (error == std::errc::result_out_of_range || value < minimum || value > maximum)
        return RangeVerdict::outOfRange;
    return RangeVerdict::valid;
}
