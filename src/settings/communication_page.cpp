#include "settings/communication_page.h"

#include "resource_ids.h"

namespace {

constexpr uint8_t kPulse = 0x10;
constexpr uint8_t kPulse10Pps = 0x08;
constexpr uint8_t kPbx = 0x40;

// Pulse dialling is one value of the dial type; its rate is a bit of the
// next record.
ControlRow pulseRadio(int controlId, int rate) {
    return {.controlId = controlId,
            .kind = ControlKind::radio,
            .field = SETTINGS_BYTE(dialType),
            .value = kPulse,
            .secondField = SETTINGS_BYTE(pulseRate),
            .secondValue = rate};
}

const ControlRow kRows[] = {
    SETTINGS_RADIO(IDC_DIAL_TONE, dialType, 0x00),
    pulseRadio(IDC_DIAL_PULSE_10PPS, kPulse10Pps),
    pulseRadio(IDC_DIAL_PULSE_20PPS, 0x00),
    SETTINGS_RADIO(IDC_LINE_MONITOR_HIGH, lineMonitor, 0x00),
    SETTINGS_RADIO(IDC_LINE_MONITOR_LOW, lineMonitor, 0x10),
    SETTINGS_RADIO(IDC_LINE_MONITOR_OFF, lineMonitor, 0x20),
    SETTINGS_RADIO(IDC_LINE_PSTN, pstnPbx, 0x00),
    SETTINGS_RADIO(IDC_LINE_PBX, pstnPbx, kPbx),
    {.controlId = IDC_PREFIX_EDIT,
     .kind = ControlKind::text,
     .field = SETTINGS_BYTE(dialPrefix),
     .limit = 4,
     .filter = TextFilter::digits,
     .storesLength = true},
    SETTINGS_RADIO(IDC_ACTIVITY_REPORT_ON, activityReport, 0x80),
    SETTINGS_RADIO(IDC_ACTIVITY_REPORT_OFF, activityReport, 0x00),
    SETTINGS_RADIO(IDC_TX_REPORT_ON, txResultReport, 0x00),
    SETTINGS_RADIO(IDC_TX_REPORT_ON_ERROR, txResultReport, 0x20),
    SETTINGS_RADIO(IDC_TX_REPORT_OFF, txResultReport, 0x40),
    SETTINGS_RADIO(IDC_RX_REPORT_ON, rxResultReport, 0x00),
    SETTINGS_RADIO(IDC_RX_REPORT_ON_ERROR, rxResultReport, 0x08),
    SETTINGS_RADIO(IDC_RX_REPORT_OFF, rxResultReport, 0x10),
};

void adjust(const PageContext& context, std::vector<ControlState>& states) {
    const SettingsMirror& mirror = context.mirror;
    if (mirror.dialType == kPulse) {
        const bool tenPps = (mirror.pulseRate & kPulse10Pps) != 0;
        findState(states, IDC_DIAL_PULSE_10PPS)->check =
            tenPps ? CheckState::checked : CheckState::unchecked;
        findState(states, IDC_DIAL_PULSE_20PPS)->check =
            tenPps ? CheckState::unchecked : CheckState::checked;
    }
    // The prefix only means something behind a PBX.
    ControlState* prefix = findState(states, IDC_PREFIX_EDIT);
    prefix->enabled = mirror.pstnPbx == kPbx;
    if (mirror.pstnPbx != kPbx)
        prefix->text = std::string();
}

const PageDef kPage{.controls = kRows, .adjust = adjust};

} // namespace

const PageDef& communicationPage() {
    return kPage;
}
