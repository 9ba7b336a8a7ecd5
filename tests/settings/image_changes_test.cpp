#include "settings/image_changes.h"

#include "../store/dial_entry_test_support.h"
#include "link/sample_machine_image.h"
#include "resource_ids.h"
#include "store/dial_entry.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The sample machine's image, edited through the mirror as the program's
// editors do, so the lengths are a real machine's.
struct EditedImage {
    RecordStore store = sampleMachineImage();
    SettingsMirror mirror;
    ProgramDialMarks marks;
    EditedImage() { unpackStore(store, mirror); }
};

struct ChangeCase {
    const char* what;
    std::function<void(EditedImage&)> edit;
    const char* expected;
};

void rename(EditedImage& image, int index, const char* number) {
    DialEntry entry = decodeSpeedDial(image.mirror, image.store, index);
    setFieldText(entry.faxNumber, number);
    encodeSpeedDial(image.mirror, image.store, entry, index);
}

// What the sheet's Apply does for a text row: the record takes the text's length.
void storeLength(EditedImage& image, size_t mirrorOffset, size_t length) {
    for (const MirrorField& field : mirrorFields())
        if (field.mirrorOffset == mirrorOffset)
            image.store.slots[static_cast<size_t>(field.slot)].payloadLength =
                static_cast<uint32_t>(length);
}

} // namespace

TEST(ImageChanges, EveryEntryKindAndSettingEncodingReadsAsItsPageShowsIt) {
    const ChangeCase cases[] = {
        {"nothing", [](EditedImage&) {},
         "Nothing changes: the machine already holds these settings and this phone book.\n"},
        {"fax number", [](EditedImage& i) { rename(i, 1, "0171 555 9999"); },
         "Speed Dial 2 (Bruno Costa): changed\n    Fax number: 0171 555 0102 \u2192 0171 555 "
         "9999\n"},
        {"e-mail key added",
         [](EditedImage& i) {
             DialEntry mail = emailEntry("Mail", "a@b.example", kEntryClassOneTouch);
             encodeOneTouch(i.mirror, i.store, mail, 8);
         },
         "One Touch 9 (Mail): added\n    Kind: E-Mail\n    Name: Mail\n    E-Mail address: "
         "a@b.example\n"},
        {"Group removed",
         [](EditedImage& i) { encodeGroupFromLists(i.mirror, i.store, DialEntry{}, {}, 6); },
         "Group 7 (Sales): removed\n    Kind: Group\n    Name: Sales\n"
         "    Members: One Touch 1, One Touch 3, Speed Dial 1, Speed Dial 2, Speed Dial 4, Speed "
         "Dial 5\n"},
        {"Group members",
         [](EditedImage& i) {
             DialEntry sales = decodeOneTouchKey(i.mirror, i.marks, 6);
             encodeGroupFromLists(i.mirror, i.store, sales, {{0}, {}}, 6);
         },
         "Group 7 (Sales): changed\n    Members: One Touch 1, One Touch 3, Speed Dial 1, Speed "
         "Dial "
         "2, Speed Dial 4, Speed Dial 5 \u2192 One Touch 1\n"},
        {"e-mail options and kind",
         [](EditedImage& i) {
             DialEntry mail = decodeSpeedDial(i.mirror, i.store, 2);
             mail.emailPaperSize = 2, mail.emailResolution = 0, mail.emailCoding = 0;
             encodeSpeedDial(i.mirror, i.store, mail, 2);
             encodeSpeedDial(i.mirror, i.store, emailEntry("Bruno Costa", "b@c.example"), 1);
         },
         "Speed Dial 2 (Bruno Costa): changed\n    Kind: Fax \u2192 E-Mail\n    Fax number: 0171 "
         "555 "
         "0102 \u2192 (none)\n    E-Mail address: (none) \u2192 b@c.example\n    E-Mail scan: "
         "Default "
         "\u2192 Custom\n    Paper size: A4 \u2192 B4\n    Resolution: Fine \u2192 S/F\n    "
         "Coding: MH "
         "\u2192 MMR\n    Registered: 2026/11/20 \u2192 2024/03/01\n"
         "Speed Dial 3 (C. Dubois): changed\n    Paper size: B4 \u2192 A3\n    Resolution: S/F "
         "\u2192 Fine\n    Coding: MMR \u2192 MH\n"},
        {"stored bytes only", [](EditedImage& i) { i.mirror.speedDialTable[4][100] = 7; },
         "Speed Dial 5 (E. Fischer): changed\n    Stored data (no field shows the difference)\n"},
        {"combo, radio, inverted check, scroll bar, station name",
         [](EditedImage& i) {
             i.mirror.autoPanelReset = 3;
             i.mirror.buzzerVolume = 0x40;
             i.mirror.autoContinue = 1;
             i.mirror.lcdContrast = 2;
             i.mirror.energySaveTime = 60;
             setFieldText(i.mirror.stationName, "Front");
         },
         "Machine Setting: Auto Panel Reset: 30 Sec \u2192 3 min\n"
         "Machine Setting: Energy Save Time: 15 MIN \u2192 60 MIN\n"
         "Machine Setting: LCD Contrast: 0 \u2192 2\n"
         "Machine Setting: Buzzer Volume: High \u2192 Low\n"
         "Machine Setting: Auto Continue: On \u2192 Off\n"
         "Station name: Reception \u2192 Front\n"},
        {"address, reversed server address, text with its new length, u32, scroll unit",
         [](EditedImage& i) {
             i.mirror.ipAddress = 0xC0A80133;
             i.mirror.serverAddress = 0x0200000A; // kept with its first field last
             setFieldText(i.mirror.senderName, "B\xFCro");
             storeLength(i, offsetof(SettingsMirror, senderName), 4);
             i.mirror.smtpPort = 587;
             i.mirror.smtpTimeout = 90;
         },
         "Network Setting: IP Address: 192.168.1.50 \u2192 192.168.1.51\n"
         "Network Setting: Server Address: (none) \u2192 10.0.0.2\n"
         "E-Mail Setting(1): Sender Name: Front Desk \u2192 B\u00FCro\n"
         "E-Mail Setting(1): SMTP Port No.: 25 \u2192 587\n"
         "E-Mail Setting(1): SMTP Timeout: 60 sec \u2192 90 sec\n"},
        {"password never in clear, not even raw; rings as the label counts; the tray dialog",
         [](EditedImage& i) {
             setFieldText(i.mirror.memoryRxSchedule.password, "1234");
             i.mirror.memoryRxSchedule.timesSet = 0xC0;
             i.mirror.ringCount = 4;
             i.mirror.selectTray1 = 1; // in the dialog the page opens
         },
         "RX Operation: Password: changed\n"
         "Record 0x10401: 00 00 ** ** ** ** ** ** ** ** 00 00 \u2192 00 00 ** ** ** ** ** ** ** ** "
         "c0 00\n"
         "RX Operation: No. of rings: 3 \u2192 5\n"
         "RX Operation: Tray1: Disable \u2192 Enable\n"},
        {"a record no page names, and records no Upload writes",
         [](EditedImage& i) {
             i.mirror.ringCountMaximum = 5;          // 0x10403, on no page
             i.mirror.countryCode = 9;               // 0x10a00
             i.mirror.machineInformation.nicKit = 0; // read-only
         },
         "Record 0x10403: 09 \u2192 05\n"},
    };
    const EditedImage machine;
    for (const ChangeCase& c : cases) {
        EditedImage document;
        c.edit(document);
        packStore(document.mirror, document.store);
        EXPECT_EQ(
            imageChangesText(describeImageChanges(machine.store, document.store), IDS_CHANGES_NONE),
            c.expected)
            << c.what;
    }
}

TEST(ImageChanges, JsonCarriesTheSameListAndVerifyListsRecordsById) {
    EditedImage machine, document;
    rename(document, 0, "0000");
    packStore(document.mirror, document.store);
    EXPECT_EQ(imageChangesJson(describeImageChanges(machine.store, document.store)),
              "{\n  \"changes\": [\n    {\n      \"subject\": \"Speed Dial 1 (A. Berger)\",\n"
              "      \"change\": \"changed\",\n      \"fields\": [\n        {\n"
              "          \"name\": \"Fax number\",\n          \"before\": \"0171 555 0101\",\n"
              "          \"after\": \"0000\"\n        }\n      ]\n    }\n  ]\n}\n");
    EXPECT_EQ(recordListText(differingUploadedSlots(machine.store, document.store)),
              "Record 0x10c40\n");
}
