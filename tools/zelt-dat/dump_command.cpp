#include "store/code_page_text.h"
#include "store/json_writer.h"
#include "tool_commands.h"

#include "store/data_file.h"
#include "store/dial_entry.h"
#include "store/machine_charset.h"

#include <cstdio>

namespace {

struct DumpContext {
    JsonWriter json;
    int codePage = 1252;

    template <size_t N> void text(std::string_view key, const std::array<char, N>& field) {
        json.string(key, codePageToUtf8(fieldText(field), codePage));
    }
};

void writeEntry(DumpContext& dump, const DialEntry& entry) {
    JsonWriter& json = dump.json;
    json.beginObject();
    json.number("index", entry.index);
    json.number("used", entry.used);
    json.number("isEmail", entry.isEmail);
    json.number("entryClass", entry.entryClass);
    json.number("highFlag", entry.highFlag);
    json.number("memberCount", entry.memberCount);
    json.number("detailsWithheld", entry.detailsWithheld);
    json.number("programDial", entry.programDial);
    dump.text("name", entry.name);
    dump.text("faxNumber", entry.faxNumber);
    dump.text("subAddress", entry.subAddress);
    dump.text("sidPassword", entry.sidPassword);
    dump.text("batchHour", entry.batchHour);
    dump.text("batchMinute", entry.batchMinute);
    json.number("speedIndex", entry.speedIndex);
    dump.text("emailAddress", entry.emailAddress);
    json.number("regDate", entry.regDate);
    json.number("emailScanOption", entry.emailScanOption);
    json.number("emailPaperSize", entry.emailPaperSize);
    json.number("emailResolution", entry.emailResolution);
    json.number("emailCoding", entry.emailCoding);
    // decodeOneTouch counts a Group's members without reading them; only
    // members read from the key (decodeOneTouchKey) have a kind.
    json.beginArray("members");
    for (size_t k = 0; k < entry.memberCount && k < entry.members.size(); ++k)
        if (entry.members[k].kind != 0)
            json.numberRow({entry.members[k].kind, entry.members[k].index});
    json.endArray();
    json.endObject();
}

template <typename Decode>
void writeEntries(DumpContext& dump, std::string_view key, int count, Decode decode) {
    dump.json.beginArray(key);
    for (int index = 0; index < count; ++index)
        writeEntry(dump, decode(index));
    dump.json.endArray();
}

} // namespace

int runDumpCommand(std::span<const std::string> arguments) {
    if (arguments.size() != 1) {
        std::fputs("usage: zelt-dat dump FILE\n", stderr);
        return kExitUsage;
    }
    RecordStore store;
    initStore(store);
    if (!readDataFile(arguments[0], store)) {
        std::fprintf(stderr, "zelt-dat: cannot read %s\n", arguments[0].c_str());
        return kExitFailed;
    }
    SettingsMirror mirror;
    unpackStore(store, mirror);
    ProgramDialMarks marks;

    DumpContext dump;
    dump.codePage = pcCodePage(mirror.language);
    JsonWriter& json = dump.json;
    json.beginObject();
    json.beginArray("records");
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SettingRecord& record = store.slots[static_cast<size_t>(slot)];
        json.numberFields(
            {{"slot", slot}, {"id", record.recordId}, {"length", record.payloadLength}});
    }
    json.endArray();
    writeEntries(dump, "oneTouch", kOneTouchKeyCount,
                 [&](int index) { return decodeOneTouch(mirror, marks, index); });
    writeEntries(dump, "groups", kOneTouchKeyCount,
                 [&](int index) { return decodeOneTouchKey(mirror, marks, index); });
    writeEntries(dump, "speedDial", kSpeedDialEntryCount,
                 [&](int index) { return decodeSpeedDial(mirror, store, index); });
    json.beginObject("station");
    dump.text("name", mirror.stationName);
    dump.text("number", mirror.stationNumber);
    json.endObject();
    const SettingRecord& information = store.slots[kMachineInfoSlot];
    json.numberRow("machineInformation", std::vector<int64_t>(information.payload.begin(),
                                                              information.payload.begin() + 14));
    json.number("language", mirror.language);
    json.number("codePage", dump.codePage);
    json.endObject();
    std::fwrite(json.text().data(), 1, json.text().size(), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailed;
}
