#include "tool_commands.h"

#include "exchange/import_plan.h"
#include "exchange/phone_book_files.h"
#include "resource_ids.h"
#include "store/data_file.h"
#include "store/file_access.h"
#include "store/machine_charset.h"
#include "string_table.h"

#include <cstdio>
#include <ctime>

namespace {

bool loadImage(const std::string& path, RecordStore& store, SettingsMirror& mirror) {
    initStore(store);
    if (!readDataFile(path, store)) {
        std::fprintf(stderr, "zelt-dat: cannot read %s\n", path.c_str());
        return false;
    }
    unpackStore(store, mirror);
    return true;
}

std::string tableText(int id) {
    return std::string(stringTableText(id));
}

CalendarDate today() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

} // namespace

int runExportCommand(std::span<const std::string> arguments) {
    const bool withPasswords = arguments.size() == 3 && arguments[2] == "--with-passwords";
    if (arguments.size() != 2 && !withPasswords) {
        std::fputs("usage: zelt-dat export FILE.DAT OUT.csv|OUT.vcf [--with-passwords]\n", stderr);
        return kExitUsage;
    }
    RecordStore store;
    SettingsMirror mirror;
    if (!loadImage(arguments[0], store, mirror))
        return kExitFailed;
    const std::string text =
        exportPhoneBook(mirror, store, exchangeFormatOfPath(arguments[1]), withPasswords);
    if (!writeNewFile(arguments[1], {reinterpret_cast<const uint8_t*>(text.data()), text.size()})) {
        std::fprintf(stderr, "zelt-dat: cannot write %s\n", arguments[1].c_str());
        return kExitFailed;
    }
    return kExitOk;
}

// Prints the plan the way the preview shows it, then stores it into the
// data file in place.
int runImportCommand(std::span<const std::string> arguments) {
    const bool replace = arguments.size() == 3 && arguments[2] == "--replace";
    if (arguments.size() != 2 && !replace) {
        std::fputs("usage: zelt-dat import FILE.DAT IN.csv|IN.vcf [--replace]\n", stderr);
        return kExitUsage;
    }
    RecordStore store;
    SettingsMirror mirror;
    if (!loadImage(arguments[0], store, mirror))
        return kExitFailed;
    std::vector<uint8_t> bytes;
    if (readFileBytes(arguments[1], kMaxExchangeFileSize, bytes) != FileReadStatus::ok) {
        std::fprintf(stderr, "zelt-dat: cannot read %s\n", arguments[1].c_str());
        return kExitFailed;
    }
    const ReadPhoneBook read =
        readPhoneBook(bytes, exchangeFormatOfPath(arguments[1]), pcCodePage(mirror.language));
    if (!read.understood) {
        std::fprintf(stderr, "zelt-dat: %s\n", tableText(IDS_IMPORT_UNREADABLE).c_str());
        return kExitFailed;
    }
    const ImportPlan plan =
        planImport(mirror, read.rows, replace ? ImportMode::replace : ImportMode::add, today());
    std::fputs(importReportCsv(plan, tableText).c_str() + 3, stdout); // without the mark
    applyImportPlan(mirror, store, plan);
    if (!writeDataFile(arguments[0], store)) {
        std::fprintf(stderr, "zelt-dat: cannot write %s\n", arguments[0].c_str());
        return kExitFailed;
    }
    std::fprintf(stderr, "zelt-dat: %zu of %zu rows stored\n", storedRowCount(plan),
                 plan.rows.size());
    return kExitOk;
}
