#include "settings/tx_operation_page.h"

#include "resource_ids.h"

namespace {

constexpr uint8_t kCountryUsa = 2;
constexpr uint8_t kCountryCanada = 54;
constexpr uint8_t kCountryKorea = 25;

ComboItems resolutionItems(const SettingsMirror&) {
    // The machine has no resolution 3.
    return {{IDS_TX_RESOLUTION_STANDARD, 0},      {IDS_TX_RESOLUTION_FINE, 1},
            {IDS_TX_RESOLUTION_SUPER_FINE, 2},    {IDS_TX_RESOLUTION_HALFTONE_STANDARD, 4},
            {IDS_TX_RESOLUTION_HALFTONE_FINE, 5}, {IDS_TX_RESOLUTION_HALFTONE_SUPER_FINE, 6}};
}

const ControlRow kRows[] = {
    // Three positions standing for the contrast values 0x00, 0x08 and 0x10.
    {.controlId = IDC_SCAN_CONTRAST_SCROLL,
     .kind = ControlKind::scroll,
     .field = SETTINGS_BYTE(scanContrast),
     .scroll = {0x00, 0x10, 0x08, 0x10}},
    {.controlId = IDC_TX_RESOLUTION_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(txResolution),
     .items = resolutionItems},
    {.controlId = IDC_HEADER_CHECK,
     .kind = ControlKind::check,
     .field = SETTINGS_BYTE(header),
     .value = kHeaderOn,
     .clearedValue = 0,
     .checkedWhenNonZero = true},
};

void adjust(const PageContext& context, std::vector<ControlState>& states) {
    ControlState* header = findState(states, IDC_HEADER_CHECK);
    const bool forced = countryForcesHeader(context.mirror.countryCode);
    header->enabled = !forced;
    if (forced)
        header->check = CheckState::checked;
}

// The box shows the header on, checked and disabled, in these countries;
// the record says the same, so what reaches the machine is what was shown.
bool onActivate(PageContext& context) {
    if (!countryForcesHeader(context.mirror.countryCode))
        return false;
    return writeByte(context.mirror, SETTINGS_BYTE(header), kHeaderOn);
}

const PageDef kPage{.controls = kRows, .adjust = adjust, .onActivate = onActivate};

} // namespace

const PageDef& txOperationPage() {
    return kPage;
}

bool countryForcesHeader(uint8_t countryCode) {
    return countryCode == kCountryUsa || countryCode == kCountryCanada ||
           countryCode == kCountryKorea;
}
