#include "store/settings_mirror.h"

#include "store/machine_charset.h"

#include <bit>
#include <cstring>

// Multi-byte fields are copied as they lie in memory; the machine's
// integers are little-endian, as is every host we build for.
static_assert(std::endian::native == std::endian::little);

namespace {

#define MIRROR_FIELD(slot, member)                                                                 \
    MirrorField {                                                                                  \
        slot, offsetof(SettingsMirror, member), sizeof(SettingsMirror::member)                     \
    }

constexpr MirrorField kMirrorFields[] = {
    MIRROR_FIELD(0, machineInformation),
    MIRROR_FIELD(1, counters),
    MIRROR_FIELD(2, countryCode),
    MIRROR_FIELD(3, autoPanelReset),
    MIRROR_FIELD(4, energySaveTime),
    MIRROR_FIELD(5, energySaveOffHidden),
    MIRROR_FIELD(6, setting10003),
    MIRROR_FIELD(7, lcdContrast),
    MIRROR_FIELD(8, languageType),
    MIRROR_FIELD(9, language),
    MIRROR_FIELD(10, lampOffTime),
    MIRROR_FIELD(11, buzzerVolume),
    MIRROR_FIELD(12, initialMode),
    MIRROR_FIELD(13, tonerEmptyStop),
    MIRROR_FIELD(14, autoContinue),
    MIRROR_FIELD(15, calibration),
    MIRROR_FIELD(16, tonerNearEmpty),
    MIRROR_FIELD(17, remoteMonitor),
    MIRROR_FIELD(18, presetZoomUnit),
    MIRROR_FIELD(19, dateFormat),
    MIRROR_FIELD(20, tray1PaperType),
    MIRROR_FIELD(21, tray1PaperSize),
    MIRROR_FIELD(22, tray2PaperSize),
    MIRROR_FIELD(23, paperPriority),
    MIRROR_FIELD(24, copyMode),
    MIRROR_FIELD(25, copyTextOption),
    MIRROR_FIELD(26, densityLevelAuto),
    MIRROR_FIELD(27, densityLevelManual),
    MIRROR_FIELD(28, collate),
    MIRROR_FIELD(29, copyQuality),
    MIRROR_FIELD(30, printImageQuality),
    MIRROR_FIELD(31, printTray1PaperSize),
    MIRROR_FIELD(32, printNUpLayout),
    MIRROR_FIELD(33, printTray1PaperType),
    MIRROR_FIELD(34, printTray2PaperSize),
    MIRROR_FIELD(35, scanContrast),
    MIRROR_FIELD(36, txResolution),
    MIRROR_FIELD(37, header),
    MIRROR_FIELD(38, memoryRxMode),
    MIRROR_FIELD(39, memoryRxSchedule),
    MIRROR_FIELD(40, ringCount),
    MIRROR_FIELD(41, ringCountMaximum),
    MIRROR_FIELD(42, reductionRx),
    MIRROR_FIELD(43, rxPrintMode),
    MIRROR_FIELD(44, rxMode),
    MIRROR_FIELD(45, footer),
    MIRROR_FIELD(46, selectTray1),
    MIRROR_FIELD(47, selectTray2),
    MIRROR_FIELD(48, dialType),
    MIRROR_FIELD(49, pulseRate),
    MIRROR_FIELD(50, lineMonitor),
    MIRROR_FIELD(51, pstnPbx),
    MIRROR_FIELD(52, dialPrefix),
    MIRROR_FIELD(53, activityReport),
    MIRROR_FIELD(54, txResultReport),
    MIRROR_FIELD(55, rxResultReport),
    MIRROR_FIELD(56, addressAssignment),
    MIRROR_FIELD(57, ipAddress),
    MIRROR_FIELD(58, subnetMask),
    MIRROR_FIELD(59, gateway),
    MIRROR_FIELD(60, serverAddressEnabled),
    MIRROR_FIELD(61, serverAddress),
    MIRROR_FIELD(62, setting10709),
    MIRROR_FIELD(63, senderName),
    MIRROR_FIELD(64, senderEmailAddress),
    MIRROR_FIELD(65, smtpServerAddress),
    MIRROR_FIELD(66, smtpPort),
    MIRROR_FIELD(67, smtpTimeout),
    MIRROR_FIELD(68, textInsert),
    MIRROR_FIELD(69, defaultSubject),
    MIRROR_FIELD(70, scanResolution),
    MIRROR_FIELD(71, scanImageFormat),
    MIRROR_FIELD(72, scanCoding),
    MIRROR_FIELD(73, stationNumber),
    MIRROR_FIELD(74, stationName),
};

#undef MIRROR_FIELD

const uint8_t* fieldBytes(const SettingsMirror& mirror, const MirrorField& field) {
    return reinterpret_cast<const uint8_t*>(&mirror) + field.mirrorOffset;
}

uint8_t* fieldBytes(SettingsMirror& mirror, const MirrorField& field) {
    return reinterpret_cast<uint8_t*>(&mirror) + field.mirrorOffset;
}

// Slots 75-183 carry the two entry tables; entry n is the first 130 bytes
// of slot 75 + n or 84 + n.
template <typename Mirror> auto& tableEntryOfSlot(Mirror& mirror, int slot) {
    if (slot < kSpeedDialFirstSlot)
        return mirror.oneTouchTable[static_cast<size_t>(slot - kOneTouchFirstSlot)];
    return mirror.speedDialTable[static_cast<size_t>(slot - kSpeedDialFirstSlot)];
}

} // namespace

std::span<const MirrorField> mirrorFields() {
    return kMirrorFields;
}

int unpackStore(const RecordStore& store, SettingsMirror& mirror) {
    for (const MirrorField& field : kMirrorFields)
        std::memcpy(fieldBytes(mirror, field),
                    store.slots[static_cast<size_t>(field.slot)].payload.data(), field.width);
    // A name that fills its field has no NUL; the conversion must stop there.
    fromMachineCharset(mirror.stationName, mirror.language);
    for (int slot = kOneTouchFirstSlot; slot < kSlotCount; ++slot)
        std::memcpy(tableEntryOfSlot(mirror, slot).data(),
                    store.slots[static_cast<size_t>(slot)].payload.data(), kEntrySize);
    return 1;
}

int packStore(const SettingsMirror& mirror, RecordStore& store) {
    for (const MirrorField& field : kMirrorFields)
        std::memcpy(store.slots[static_cast<size_t>(field.slot)].payload.data(),
                    fieldBytes(mirror, field), field.width);
    auto& storedName = store.slots[kStationNameSlot].payload;
    toMachineCharset(std::span<char>(reinterpret_cast<char*>(storedName.data()),
                                     sizeof(SettingsMirror::stationName)),
                     mirror.language);
    for (int slot = kOneTouchFirstSlot; slot < kSlotCount; ++slot)
        std::memcpy(store.slots[static_cast<size_t>(slot)].payload.data(),
                    tableEntryOfSlot(mirror, slot).data(), kEntrySize);
    return 1;
}
