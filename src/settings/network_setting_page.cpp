#include "settings/network_setting_page.h"

#include "resource_ids.h"

namespace {

constexpr uint8_t kFixedAddress = 1;
constexpr uint8_t kServerOn = 0x80;

ControlRow addressRow(int controlId, MirrorByte field, bool reversed = false) {
    return {.controlId = controlId,
            .kind = ControlKind::ipAddress,
            .field = field,
            .reversed = reversed,
            .storesLength = reversed};
}

const ControlRow kRows[] = {
    SETTINGS_RADIO(IDC_IP_AUTOMATIC, addressAssignment, 0),
    SETTINGS_RADIO(IDC_IP_FIXED, addressAssignment, kFixedAddress),
    addressRow(IDC_IP_ADDRESS, SETTINGS_BYTE(ipAddress)),
    addressRow(IDC_SUBNET_MASK, SETTINGS_BYTE(subnetMask)),
    addressRow(IDC_GATEWAY, SETTINGS_BYTE(gateway)),
    {.controlId = IDC_IP_ADDRESS_LABEL},
    {.controlId = IDC_SUBNET_MASK_LABEL},
    {.controlId = IDC_GATEWAY_LABEL},
    SETTINGS_RADIO(IDC_SERVER_OFF, serverAddressEnabled, 0x00),
    SETTINGS_RADIO(IDC_SERVER_ON, serverAddressEnabled, kServerOn),
    // The machine keeps this one address with its first field last.
    addressRow(IDC_SERVER_ADDRESS, SETTINGS_BYTE(serverAddress), true),
    {.controlId = IDC_SERVER_ADDRESS_LABEL},
    {.controlId = IDC_NETWORK_OPTION_CHECK,
     .kind = ControlKind::check,
     .field = SETTINGS_BYTE(setting10709),
     .value = 1,
     .clearedValue = 0},
};

void adjust(const PageContext& context, std::vector<ControlState>& states) {
    const SettingsMirror& mirror = context.mirror;
    const bool fixed = mirror.addressAssignment == kFixedAddress;
    for (int id : {IDC_IP_ADDRESS, IDC_SUBNET_MASK, IDC_GATEWAY, IDC_IP_ADDRESS_LABEL,
                   IDC_SUBNET_MASK_LABEL, IDC_GATEWAY_LABEL})
        findState(states, id)->enabled = fixed;
    const MachineInformation& information = mirror.machineInformation;
    const bool serverLocked = information.nicKit == 0 && information.byte9 == 1;
    for (int id : {IDC_SERVER_OFF, IDC_SERVER_ON})
        findState(states, id)->enabled = !serverLocked;
    for (int id : {IDC_SERVER_ADDRESS, IDC_SERVER_ADDRESS_LABEL})
        findState(states, id)->enabled = !serverLocked && mirror.serverAddressEnabled == kServerOn;
}

// Only a value that really changed makes the machine restart its network.
bool afterChoice(int, PageContext& context) {
    context.memory->networkChanged = true;
    return false;
}

// Every field of a refused address may lie within 0 to 255, so the
// messages say what is wrong with the address instead.
std::optional<Refusal> refuseAddress(int controlId) {
    return Refusal{controlId, IDS_ADDRESS_NOT_USABLE};
}

std::optional<Refusal> check(const PageContext& context, CheckMoment) {
    const SettingsMirror& mirror = context.mirror;
    if (mirror.addressAssignment == kFixedAddress) {
        if (!validHostAddress(mirror.ipAddress))
            return refuseAddress(IDC_IP_ADDRESS);
        if (!validSubnetMask(mirror.subnetMask))
            return Refusal{IDC_SUBNET_MASK, IDS_SUBNET_MASK_NOT_USABLE};
        if (!validHostAddress(mirror.gateway))
            return refuseAddress(IDC_GATEWAY);
    }
    // Checked as typed, so its first field is the network.
    if (mirror.serverAddressEnabled == kServerOn &&
        !validHostAddress(reversedBytes(mirror.serverAddress)))
        return refuseAddress(IDC_SERVER_ADDRESS);
    return std::nullopt;
}

CommitEffect commit(PageContext& context) {
    if (!context.memory->networkChanged)
        return CommitEffect::none;
    context.memory->networkChanged = false;
    return CommitEffect::networkChanged;
}

const PageDef kPage{.controls = kRows,
                    .adjust = adjust,
                    .afterChoice = afterChoice,
                    .check = check,
                    .commit = commit};

} // namespace

const PageDef& networkSettingPage() {
    return kPage;
}

bool validHostAddress(uint32_t address) {
    const uint32_t network = address >> 24;
    const uint32_t host = address & 0xFF;
    return address != 0 && address != 0xFFFFFFFF && network != 0 && network != 127 &&
           network != 224 && host != 0 && host != 255;
}

bool validSubnetMask(uint32_t mask) {
    return mask != 0 && mask != 0xFFFFFFFF;
}
