#include "link/sample_machine_image.h"

#include "store/dial_entry.h"
#include "store/entry_values.h"
#include "store/settings_mirror.h"

#include <cstring>

namespace {

constexpr CalendarDate kRegistered{2026, 11, 20};

struct SampleEntry {
    const char* name;
    const char* faxNumber; // null for an e-mail entry
    const char* emailAddress;
};

constexpr SampleEntry kOneTouchKeys[] = {
    {"Head Office", "0P030 5550 1234", nullptr},
    {"Accounts", nullptr, "accounts@example.com"},
    {"Warehouse", "030 5550 7788", nullptr},
    {"Print Shop", nullptr, "orders@printshop.example"},
    {"Legal Dept", "030 5550 4400", nullptr},
};

constexpr SampleEntry kSpeedDialEntries[] = {
    {"A. Berger", "0171 555 0101", nullptr},        {"Bruno Costa", "0171 555 0102", nullptr},
    {"C. Dubois", nullptr, "c.dubois@example.org"}, {"Delta Freight", "040 555 3300", nullptr},
    {"E. Fischer", "0171 555 0105", nullptr},       {"Field Team", nullptr, "field@example.com"},
    {"G. Hansen", "089 555 2020", nullptr},         {"Help Desk", "0800 555 0000", nullptr},
    {"I. Jensen", nullptr, "ijensen@example.net"},  {"Kiosk North", "030 555 9191", nullptr},
    {"L. Moreau", "0171 555 0111", nullptr},        {"Night Line", "030 555 0000", nullptr},
};

DialEntry dialEntry(const SampleEntry& sample, uint8_t entryClass) {
    DialEntry entry;
    entry.used = 1;
    entry.entryClass = entryClass;
    entry.regDate = packRegDate(kRegistered);
    setFieldText(entry.name, sample.name);
    if (sample.faxNumber != nullptr) {
        setFieldText(entry.faxNumber, sample.faxNumber);
        entry.speedIndex = 2;
    } else {
        entry.isEmail = 1;
        setFieldText(entry.emailAddress, sample.emailAddress);
        entry.emailScanOption = 1;
        entry.emailPaperSize = 1;
        entry.emailResolution = 1;
        entry.emailCoding = 2;
    }
    return entry;
}

void fillSettings(SettingsMirror& mirror) {
    mirror.machineInformation.adfUnit = 1;
    mirror.machineInformation.optionTray = 1;
    mirror.machineInformation.nicKit = 1;
    mirror.machineInformation.memoryMbytes = 64;
    mirror.counters = {15204, 0, 38711, 0, 2209, 9046};
    mirror.energySaveTime = 15;
    mirror.countryCode = 19;   // Germany
    mirror.tray1PaperSize = 2; // A4, on every tray and for direct print
    mirror.tray2PaperSize = 2;
    mirror.printTray1PaperSize = 2;
    mirror.printTray2PaperSize = 2;
    mirror.language = 0;
    mirror.ringCount = 2;
    mirror.ringCountMaximum = 9;
    setFieldText(mirror.dialPrefix, "9");
    mirror.addressAssignment = 1;
    mirror.ipAddress = 0xC0A80132; // 192.168.1.50, first field in the highest byte
    mirror.subnetMask = 0xFFFFFF00;
    mirror.gateway = 0xC0A80101;
    setFieldText(mirror.senderName, "Front Desk");
    setFieldText(mirror.senderEmailAddress, "frontdesk@example.com");
    setFieldText(mirror.smtpServerAddress, "mail.example.com");
    mirror.smtpPort = 25;
    mirror.smtpTimeout = 60;
    setFieldText(mirror.defaultSubject, "Scanned document");
    setFieldText(mirror.stationNumber, "+49 30 5550 1000");
    setFieldText(mirror.stationName, "Reception");
}

// The machine announces each settings record with the width of what it
// holds; the station texts with their own length.
void setSettingsLengths(const SettingsMirror& mirror, RecordStore& store) {
    for (const MirrorField& field : mirrorFields())
        store.slots[static_cast<size_t>(field.slot)].payloadLength =
            static_cast<uint32_t>(field.width);
    store.slots[kStationNumberSlot].payloadLength =
        static_cast<uint32_t>(fieldText(mirror.stationNumber).size());
    store.slots[kStationNameSlot].payloadLength =
        static_cast<uint32_t>(fieldText(mirror.stationName).size());
}

void fillPhoneBook(SettingsMirror& mirror, RecordStore& store) {
    int key = 0;
    for (const SampleEntry& sample : kOneTouchKeys) {
        DialEntry entry = dialEntry(sample, kEntryClassOneTouch);
        encodeOneTouch(mirror, store, entry, key++);
    }
    int index = 0;
    for (const SampleEntry& sample : kSpeedDialEntries)
        encodeSpeedDial(mirror, store, dialEntry(sample, kEntryClassSpeedDial), index++);

    DialEntry sales;
    sales.used = 1;
    sales.entryClass = kEntryClassGroup;
    sales.regDate = packRegDate(kRegistered);
    setFieldText(sales.name, "Sales");
    encodeGroupFromLists(mirror, store, sales, {{0, 2}, {0, 1, 3, 4}}, 6);
    DialEntry everyone = sales;
    setFieldText(everyone.name, "Everyone");
    encodeGroupFromLists(mirror, store, everyone, {{0, 1, 2, 4}, {0, 1, 2, 3, 4, 5, 6, 7}}, 7);

    // The machine's own program-dial key: the program never writes one, the
    // machine marks it.
    DialEntry programKey =
        dialEntry({"Daily Report", "030 5550 1234", nullptr}, kEntryClassOneTouch);
    encodeOneTouch(mirror, store, programKey, 5);
    mirror.oneTouchTable[5][kEntryFlagsByte] |= kFlagProgramDial;
}

} // namespace

RecordStore sampleMachineImage() {
    RecordStore store;
    initStore(store);
    SettingsMirror mirror;
    unpackStore(store, mirror);
    fillSettings(mirror);
    setSettingsLengths(mirror, store);
    fillPhoneBook(mirror, store);
    packStore(mirror, store);
    return store;
}
