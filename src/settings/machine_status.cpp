#include "settings/machine_status.h"

#include "resource_ids.h"

#include <array>

namespace {

// The units report themselves as 1 when installed; any other non-zero value
// is taken as installed too, since the machine set it.
int unitText(uint8_t installed) {
    return installed != 0 ? IDS_INSTALLED : IDS_NOT_INSTALLED;
}

// Only the second tray is ever reported by this machine's option byte.
int optionTrayText(uint8_t trays) {
    return trays == 1 ? IDS_TRAY_2_INSTALLED : IDS_NOT_INSTALLED;
}

} // namespace

std::vector<OptionStatusLine> machineOptionLines(const MachineInformation& information) {
    return {
        {IDC_MACHINE_STATUS_ADF, unitText(information.adfUnit)},
        {IDC_MACHINE_STATUS_OPTION_TRAY, optionTrayText(information.optionTray)},
        {IDC_MACHINE_STATUS_DUPLEX, unitText(information.duplexUnit)},
        {IDC_MACHINE_STATUS_NIC_KIT, unitText(information.nicKit)},
    };
}

std::string machineMemoryText(const MachineInformation& information) {
    return std::to_string(information.memoryMbytes);
}
