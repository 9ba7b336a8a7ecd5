#pragma once

#include "store/record_store.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// One phone-book entry in the machine's packed layout (see dial_entry.h).
using StoredEntry = std::array<uint8_t, kEntrySize>;
using OneTouchTable = std::array<StoredEntry, kOneTouchKeyCount>;
using SpeedDialTable = std::array<StoredEntry, kSpeedDialEntryCount>;

// Record 0x3, read-only. Bytes are named by what the program reads them for.
struct MachineInformation {
    uint8_t adfUnit = 0;    // 1 when the document feeder is installed
    uint8_t optionTray = 0; // 1 when the second tray is installed
    uint8_t duplexUnit = 0;
    uint8_t nicKit = 0; // non-zero when the network interface kit is installed
    uint16_t memoryMbytes = 0;
    std::array<uint8_t, 3> bytes6To8{};
    uint8_t byte9 = 0;  // with nicKit 0 and this 1 the server address is locked
    uint8_t byte10 = 0; // shifts the paper-priority default
    std::array<uint8_t, 2> bytes11To12{};
    uint8_t paperFamily = 0; // 0 metric paper sizes, otherwise inch sizes
};
static_assert(sizeof(MachineInformation) == 14);

// Record 0x10401: memory reception schedule and password.
struct MemoryRxSchedule {
    std::array<uint8_t, 2> bytes0To1{};
    uint16_t onTime = 0; // hour in bits 15-11, minute in bits 10-5
    std::array<char, 4> password{};
    uint16_t offTime = 0;
    uint8_t timesSet = 0; // 0xC0 when both times are set
    uint8_t byte11 = 0;
};
static_assert(sizeof(MemoryRxSchedule) == 12);

// The unpacked working copy of the record image that the editors change.
// Every field has the width of the payload bytes it mirrors; the table in
// settings_mirror.cpp ties each one to its slot.
struct SettingsMirror {
    MachineInformation machineInformation;     // 0x3
    std::array<uint32_t, 14> counters{};       // 0x4: mono copy, colour copy, mono print,
                                               // colour print, fax print, total scan, ...
    uint8_t countryCode = 0;                   // 0x10a00
    uint8_t autoPanelReset = 0;                // 0x10000
    uint8_t energySaveTime = 0;                // 0x10001, minutes
    uint8_t energySaveOffHidden = 0;           // 0x10002
    int8_t setting10003 = 0;                   // 0x10003, scroll bar 1061
    int8_t lcdContrast = 0;                    // 0x10004
    uint8_t languageType = 0;                  // 0x10005
    uint8_t language = 0;                      // 0x10006, selects the character mapping
    uint8_t lampOffTime = 0;                   // 0x10007
    uint8_t buzzerVolume = 0;                  // 0x10008
    uint8_t initialMode = 0;                   // 0x10009
    uint8_t tonerEmptyStop = 0;                // 0x1000a
    uint8_t autoContinue = 0;                  // 0x1000b
    uint8_t calibration = 0;                   // 0x1000c
    uint8_t tonerNearEmpty = 0;                // 0x1000d
    uint8_t remoteMonitor = 0;                 // 0x1000e
    uint8_t presetZoomUnit = 0;                // 0x10a06
    uint8_t dateFormat = 0;                    // 0x10a01
    uint8_t tray1PaperType = 0;                // 0x10100
    uint8_t tray1PaperSize = 0;                // 0x10101
    uint8_t tray2PaperSize = 0;                // 0x10102
    uint8_t paperPriority = 0;                 // 0x10200
    uint8_t copyMode = 0;                      // 0x10201
    uint8_t copyTextOption = 0;                // 0x10202
    uint8_t densityLevelAuto = 0;              // 0x10203
    int8_t densityLevelManual = 0;             // 0x10204
    uint8_t collate = 0;                       // 0x10205
    uint8_t copyQuality = 0;                   // 0x10206
    uint8_t printImageQuality = 0;             // 0x10b00
    uint8_t printTray1PaperSize = 0;           // 0x10b01
    uint8_t printNUpLayout = 0;                // 0x10b02
    uint8_t printTray1PaperType = 0;           // 0x10b03
    uint8_t printTray2PaperSize = 0;           // 0x10b04
    uint8_t scanContrast = 0;                  // 0x10300
    uint8_t txResolution = 0;                  // 0x10301
    uint8_t header = 0;                        // 0x10302
    uint8_t memoryRxMode = 0;                  // 0x10400
    MemoryRxSchedule memoryRxSchedule;         // 0x10401
    uint8_t ringCount = 0;                     // 0x10402
    uint8_t ringCountMaximum = 0;              // 0x10403
    uint8_t reductionRx = 0;                   // 0x10404
    uint8_t rxPrintMode = 0;                   // 0x10405
    uint8_t rxMode = 0;                        // 0x10406
    uint8_t footer = 0;                        // 0x10407
    uint8_t selectTray1 = 0;                   // 0x10408
    uint8_t selectTray2 = 0;                   // 0x10409
    uint8_t dialType = 0;                      // 0x10500
    uint8_t pulseRate = 0;                     // 0x10501
    uint8_t lineMonitor = 0;                   // 0x10502
    uint8_t pstnPbx = 0;                       // 0x10503
    std::array<char, 5> dialPrefix{};          // 0x10505
    uint8_t activityReport = 0;                // 0x10600
    uint8_t txResultReport = 0;                // 0x10601
    uint8_t rxResultReport = 0;                // 0x10602
    uint8_t addressAssignment = 0;             // 0x10700
    uint32_t ipAddress = 0;                    // 0x10702
    uint32_t subnetMask = 0;                   // 0x10703
    uint32_t gateway = 0;                      // 0x10704
    uint8_t serverAddressEnabled = 0;          // 0x10705
    uint32_t serverAddress = 0;                // 0x10707
    uint8_t setting10709 = 0;                  // 0x10709, check box 1403
    std::array<char, 22> senderName{};         // 0x10801
    std::array<char, 66> senderEmailAddress{}; // 0x10803
    std::array<char, 66> smtpServerAddress{};  // 0x10805
    uint32_t smtpPort = 0;                     // 0x10806
    uint32_t smtpTimeout = 0;                  // 0x10807
    uint8_t textInsert = 0;                    // 0x10808
    std::array<char, 22> defaultSubject{};     // 0x1080a
    uint8_t scanResolution = 0;                // 0x10900
    uint8_t scanImageFormat = 0;               // 0x10901
    uint8_t scanCoding = 0;                    // 0x10902
    std::array<char, 24> stationNumber{};      // 0x10a03
    std::array<char, 36> stationName{};        // 0x10a05, PC code page in the mirror

    OneTouchTable oneTouchTable{};   // slots 75-83
    SpeedDialTable speedDialTable{}; // slots 84-183
};

// Where a mirror field lives in the record image.
struct MirrorField {
    int slot;
    size_t mirrorOffset;
    size_t width;
};

// Every mirrored settings field, one per slot 0-74, in slot order.
std::span<const MirrorField> mirrorFields();

// Image to mirror; the station name comes back into the PC code page.
// Returns 1.
int unpackStore(const RecordStore& store, SettingsMirror& mirror);

// Mirror to image; the station name goes out in the machine's character
// set while the mirror keeps its PC form. Record ids and lengths are left
// alone. Returns 1.
int packStore(const SettingsMirror& mirror, RecordStore& store);
