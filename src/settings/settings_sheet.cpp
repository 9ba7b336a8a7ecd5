#include "settings/settings_sheet.h"

#include "resource_ids.h"
#include "settings/copy_setting_page.h"
#include "settings/machine_setting_page.h"
#include "settings/paper_source_page.h"
#include "settings/tx_operation_page.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

// The pages of RX Operation, Communication, E-Mail, Network and Scanner
// settings take their places (and their tabs) already; they store nothing.
const PageDef& pageWithoutControls() {
    static const PageDef page{};
    return page;
}

constexpr SheetPageRow kPages[] = {
    {IDS_PAGE_MACHINE_SETTING, IDD_MACHINE_SETTING_PAGE, machineSettingPage},
    {IDS_PAGE_PAPER_SOURCE, IDD_PAPER_SOURCE_PAGE, paperSourcePage},
    {IDS_PAGE_COPY_SETTING, IDD_COPY_SETTING_PAGE, copySettingPage},
    {IDS_PAGE_TX_OPERATION, IDD_TX_OPERATION_PAGE, txOperationPage},
    {IDS_PAGE_RX_OPERATION, IDD_RX_OPERATION_PAGE, pageWithoutControls},
    {IDS_PAGE_COMMUNICATION, IDD_COMMUNICATION_PAGE, pageWithoutControls},
    {IDS_PAGE_EMAIL_SETTING, IDD_EMAIL_SETTING_PAGE, pageWithoutControls},
    {IDS_PAGE_NETWORK_SETTING, IDD_NETWORK_SETTING_PAGE, pageWithoutControls},
    {IDS_PAGE_SCANNER_SETTING, IDD_SCANNER_SETTING_PAGE, pageWithoutControls},
};

// The pages a machine without the network interface kit cannot use, in
// table order. The LDAP page is not in the table; the walk passes it by.
constexpr std::array<int, 4> kNetworkKitPages = {IDD_EMAIL_SETTING_PAGE, IDD_NETWORK_SETTING_PAGE,
                                                 IDD_SCANNER_SETTING_PAGE, IDD_LDAP_SETTING_PAGE};

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
    return session;
}

ApplyResult applySheet(SheetSession& session, Workspace& workspace,
                       const std::function<bool(int pageIndex)>& pageAccepts) {
    if (std::none_of(session.pending.begin(), session.pending.end(), [](bool p) { return p; }))
        return {};
    for (size_t page = 0; page < session.pending.size(); ++page)
        if (session.pending[page] && !pageAccepts(static_cast<int>(page)))
            return {ApplyOutcome::refused, static_cast<int>(page)};
    packStore(workspace.mirror, workspace.store);
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
