#include "settings/machine_information.h"

#include "store/dial_entry.h"
#include "store/settings_mirror.h"

namespace {

// A paste can bring more than the edit's limit; what is cut leaves the
// caret at the end of what remains.
FilteredText limited(FilteredText filtered, size_t limit) {
    if (filtered.text.size() > limit) {
        filtered.text.resize(limit);
        filtered.removed = true;
        filtered.caret = limit;
    }
    return filtered;
}

} // namespace

MachineInformationValues machineInformationValues(const Workspace& workspace) {
    const SettingsMirror& mirror = workspace.mirror;
    MachineInformationValues values;
    values.name = std::string(fieldText(mirror.stationName).substr(0, kStationNameLimit));
    values.telephoneNumber =
        std::string(fieldText(mirror.stationNumber).substr(0, kStationNumberLimit));
    values.language = mirror.language;
    values.editable = workspace.view.documentLoaded;
    return values;
}

FilteredText filterStationName(std::string_view typed, uint8_t language) {
    return limited(filterName(typed, language), kStationNameLimit);
}

FilteredText filterStationNumber(std::string_view typed) {
    return limited(filterTelephoneNumber(typed), kStationNumberLimit);
}

void applyMachineInformation(const MachineInformationValues& values, Workspace& workspace) {
    SettingsMirror& mirror = workspace.mirror;
    const std::string_view name = std::string_view(values.name).substr(0, kStationNameLimit);
    const std::string_view number =
        std::string_view(values.telephoneNumber).substr(0, kStationNumberLimit);
    setFieldText(mirror.stationName, name);
    setFieldText(mirror.stationNumber, number);
    workspace.store.slots[kStationNameSlot].payloadLength = static_cast<uint32_t>(name.size());
    workspace.store.slots[kStationNumberSlot].payloadLength = static_cast<uint32_t>(number.size());
    packStore(mirror, workspace.store);
    workspace.modifiedFlag = true;
}
