#include "transfer_bench.h"

#include "counting_transport.h"
#include "link/transfer_protocol.h"
#include "reference_transfer.h"
#include "resource_ids.h"
#include "settings/image_changes.h"
#include "store/image_diff.h"
#include "store/settings_mirror.h"
#include "string_table.h"
#include "workspace/model_string.h"
#include "workspace/workspace.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr double kGoalRatio = 1.2;

// The program's side of the two transfers, as the shell runs them after
// Connect has closed the link again: the link opens, the transfer runs, and
// the channels are closed before the next run, so every run opens afresh.
struct ProgramTransfers {
    Workspace workspace;

    ProgramTransfers(Transport& transport, const RecordStore& image) {
        parseModelString(stringTableText(IDS_MODEL), workspace.startup);
        workspace.link.transport = &transport;
        workspace.link.acceptedProductIds = workspace.startup.acceptedProductIds;
        workspace.store = image;
        unpackStore(workspace.store, workspace.mirror);
    }
    ~ProgramTransfers() { closeLink(workspace.link); }
    ProgramTransfers(const ProgramTransfers&) = delete;
    ProgramTransfers& operator=(const ProgramTransfers&) = delete;

    bool download() {
        prepareDownload(workspace.store, workspace.networkChangeFlag);
        const bool read = downloadAll(workspace.link, workspace.store);
        closeLink(workspace.link);
        if (read)
            unpackStore(workspace.store, workspace.mirror);
        return read;
    }
    bool upload() {
        packStore(workspace.mirror, workspace.store);
        const bool written =
            uploadAll(workspace.link, workspace.store, workspace.networkChangeFlag);
        closeLink(workspace.link);
        return written;
    }
    // The Upload as the program runs it once a document is loaded: the
    // machine's image read and compared for the preview, the Upload, the
    // read-back and its check. The snapshot file is left out: it is a Save.
    // With `compare` false only the exchanges run, the floor of the rest.
    bool safeUpload(bool compare) {
        uint8_t untouched = kNetworkChangeNone;
        prepareDownload(scratch, untouched);
        if (!downloadAll(workspace.link, scratch))
            return false;
        packStore(workspace.mirror, workspace.store);
        if (compare)
            preview = describeImageChanges(scratch, workspace.store);
        if (!uploadAll(workspace.link, workspace.store, workspace.networkChangeFlag))
            return false;
        prepareDownload(scratch, untouched);
        const bool verified = downloadAll(workspace.link, scratch) &&
                              (!compare || slotsNotAsSent(workspace.store, scratch).empty());
        closeLink(workspace.link);
        return verified;
    }

    RecordStore scratch;
    std::vector<ImageChange> preview;
};

struct TransferKind {
    const char* name;
    WireCounts TransferScript::*protocol;
    bool (ProgramTransfers::*program)();
    bool (*reference)(Transport&, const TransferScript&);
};

constexpr TransferKind kTransferKinds[] = {
    {"Download", &TransferScript::download, &ProgramTransfers::download, referenceDownload},
    {"Upload", &TransferScript::upload, &ProgramTransfers::upload, referenceUpload},
};

// What a Download must leave in the store: the machine's lengths and as many
// of its payload bytes as a record holds.
bool sameImage(const RecordStore& got, const RecordStore& image) {
    for (size_t slot = 0; slot < image.slots.size(); ++slot) {
        const SettingRecord& want = image.slots[slot];
        const size_t kept = std::min<size_t>(want.payloadLength, kPayloadSize);
        if (got.slots[slot].payloadLength != want.payloadLength ||
            !std::equal(want.payload.begin(), want.payload.begin() + kept,
                        got.slots[slot].payload.begin()))
            return false;
    }
    return true;
}

std::string countsText(const WireCounts& counts) {
    char text[96];
    std::snprintf(text, sizeof text, "%llu / %llu / %llu",
                  static_cast<unsigned long long>(counts.commands),
                  static_cast<unsigned long long>(counts.bytesToMachine),
                  static_cast<unsigned long long>(counts.bytesFromMachine));
    return text;
}

// One transfer each way over a counting transport. The reference must put
// exactly the protocol's bytes on the wire too, or it is no yardstick.
void countTransfer(const TransferKind& kind, Transport& transport, const RecordStore& image,
                   const TransferScript& script, const std::string& what, BenchReport& report) {
    CountingTransport programWire(transport);
    ProgramTransfers program(programWire, image);
    CountingTransport referenceWire(transport);
    if (!(program.*kind.program)() || !kind.reference(referenceWire, script)) {
        report.fail(what + ": a counted transfer failed");
        return;
    }
    const WireCounts& protocol = script.*kind.protocol;
    const bool exact = programWire.counts() == protocol;
    report.add(countRow(what + ": commands / bytes to / from the machine",
                        countsText(programWire.counts()), countsText(protocol), exact));
    if (!exact)
        report.fail(what + ": the program's wire counts differ from the protocol's");
    if (!(referenceWire.counts() == protocol))
        report.fail(what + ": the reference loop's wire counts differ from the protocol's");
}

// The Upload with its preview and verify against its own exchanges alone
// (read, write, read back): what the comparisons add; and, for the user's
// view of it, the plain Upload's time beside it in the row's text.
void timeSafeUpload(const BenchSettings& settings, ProgramTransfers& program,
                    const std::string& where, BenchReport& report) {
    SideBySide figures;
    SideBySide plain;
    if (!compareSideBySide(
            settings, [&] { return program.safeUpload(true); },
            [&] { return program.safeUpload(false); }, figures) ||
        !compareSideBySide(
            settings, [&] { return program.safeUpload(true); }, [&] { return program.upload(); },
            plain)) {
        report.fail("Upload with preview and verify, " + where + ": a timed transfer failed");
        return;
    }
    char versusPlain[64];
    std::snprintf(versusPlain, sizeof versusPlain, " (%.1f x a plain Upload)", plain.ratio);
    report.add(sideBySideRow("Upload with preview and verify, " + where +
                                 ": time against its exchanges alone" + versusPlain,
                             figures, kGoalRatio));
}

void timeTransfer(const TransferKind& kind, const BenchSettings& settings,
                  ProgramTransfers& program, Transport& transport, const TransferScript& script,
                  const std::string& what, BenchReport& report) {
    SideBySide figures;
    if (!compareSideBySide(
            settings, [&] { return (program.*kind.program)(); },
            [&] { return kind.reference(transport, script); }, figures)) {
        report.fail(what + ": a timed transfer failed");
        return;
    }
    report.add(sideBySideRow(what + ": time for the full phone book", figures, kGoalRatio));
}

} // namespace

void benchTransfers(const BenchSettings& settings, Transport& transport, const RecordStore& image,
                    const std::string& where, BenchReport& report) {
    const TransferScript script = scriptTransfers(image);
    ProgramTransfers program(transport, image);
    if (!program.download() || !sameImage(program.workspace.store, image)) {
        report.fail("Download, " + where + ": the store does not hold the machine's image");
        return;
    }
    for (const TransferKind& kind : kTransferKinds) {
        const std::string what = std::string(kind.name) + ", " + where;
        countTransfer(kind, transport, image, script, what, report);
        timeTransfer(kind, settings, program, transport, script, what, report);
    }
    timeSafeUpload(settings, program, where, report);
}

void benchImageComparison(const BenchSettings& settings, const RecordStore& image,
                          BenchReport& report) {
    RecordStore empty;
    initStore(empty);
    double seconds = 0;
    if (!timeMedian(
            settings, [&] { return !describeImageChanges(empty, image).empty(); }, seconds)) {
        report.fail("Compare two images: nothing listed");
        return;
    }
    report.add(
        frameRow("Compare two images: the full phone book against an empty machine", seconds));
}
