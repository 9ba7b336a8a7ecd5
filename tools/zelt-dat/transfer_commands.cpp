// zelt-dat download / upload: the whole record image between a machine and a
// data file, as the program's Connect, Download or Upload, and Disconnect do
// it. The machine is found over USB, or over TCP where ZELT_MACHINE_ADDRESS
// is set.

#include "tool_commands.h"

#include "link/command_header.h"
#include "link/machine_transport.h"
#include "link/remote_mode.h"
#include "link/transfer_protocol.h"
#include "resource_ids.h"
#include "settings/safe_upload.h"
#include "store/data_file.h"
#include "string_table.h"
#include "workspace/model_string.h"
#include "workspace/snapshots.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

void printMessage(int textId) {
    const std::string_view text = stringTableText(textId);
    std::fprintf(stderr, "zelt-dat: %.*s\n", static_cast<int>(text.size()), text.data());
}

// The program's message for a failed exchange, printed instead of shown in a
// message box. The failure that follows a network restart is expected and
// stays silent, as in the program.
bool reportOutcome(LinkOutcome outcome) {
    if (outcome == LinkOutcome::failed)
        printMessage(IDS_ERROR_MACHINE_DATA);
    return outcome == LinkOutcome::done;
}

// The product ids the program accepts, from its model string.
std::vector<uint32_t> modelProductIds() {
    StartupValues values;
    parseModelString(stringTableText(IDS_MODEL), values);
    return values.acceptedProductIds;
}

// A machine in remote setup mode for the length of one command.
class RemoteSession {
  public:
    RemoteSession() : transport_(makeMachineTransportFromEnvironment()) {
        link_.transport = transport_.get();
        link_.acceptedProductIds = modelProductIds();
    }
    RemoteSession(const RemoteSession&) = delete;
    RemoteSession& operator=(const RemoteSession&) = delete;

    // The connection check and the enter-mode command.
    bool begin() {
        uint8_t status = 0;
        if (!queryStatus(link_, status)) {
            std::fputs("zelt-dat: no machine found (USB, or ZELT_MACHINE_ADDRESS)\n", stderr);
            return false;
        }
        if (status == kStatusBusy) {
            printMessage(IDS_MACHINE_BUSY);
            return false;
        }
        // A machine that has left remote mode by itself, or reports a fault,
        // is disconnected first and then the reason is given, as the
        // program does.
        if (status == kStatusRemoteTimedOut || status == kStatusFaulty) {
            leaveRemoteMode(link_, networkChangeFlag_);
            closeLink(link_);
            printMessage(status == kStatusFaulty ? IDS_MACHINE_FAULT : IDS_DISCONNECTED_BY_TIMEOUT);
            return false;
        }
        active_ = reportOutcome(enterRemoteMode(link_));
        return active_;
    }

    // Leaves remote mode; true when it did, or when it was never entered.
    bool end() {
        if (!active_)
            return true;
        active_ = false;
        const bool left = reportOutcome(leaveRemoteMode(link_, networkChangeFlag_));
        closeLink(link_);
        return left;
    }

    ~RemoteSession() { end(); }

    LinkState& link() { return link_; }
    uint8_t& networkChangeFlag() { return networkChangeFlag_; }
    void reportTransferFailure() { reportOutcome(LinkOutcome::failed); }

  private:
    std::unique_ptr<Transport> transport_;
    LinkState link_;
    uint8_t networkChangeFlag_ = kNetworkChangeNone;
    bool active_ = false;
};

bool usage(std::span<const std::string> arguments, const char* command) {
    if (arguments.size() == 1 && !arguments[0].empty())
        return true;
    std::fprintf(stderr, "usage: zelt-dat %s FILE\n", command);
    return false;
}

// Where the snapshots go: ZELT_SNAPSHOT_FOLDER where it is set (tests, and
// scripts that keep their own), else the program's own folder where the
// profile has one (Windows), else the user's data folder.
std::string snapshotFolder() {
    if (const char* chosen = std::getenv("ZELT_SNAPSHOT_FOLDER"); chosen != nullptr && *chosen)
        return chosen;
    if (const char* local = std::getenv("LOCALAPPDATA"); local != nullptr && *local != '\0')
        return std::string(local) + "/Zelt/Snapshots";
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return std::string(home) + "/.local/share/Zelt/Snapshots";
    return {};
}

SnapshotTime localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

// Reads what the machine holds into `image`; the session's flag is not
// touched, as a preview is no Download.
bool readMachine(RemoteSession& session, RecordStore& image) {
    uint8_t untouched = kNetworkChangeNone;
    prepareDownload(image, untouched);
    return downloadAll(session.link(), image);
}

// What the machine held before the Upload, kept as a data file.
void keepMachineImage(RemoteSession& session) {
    auto machine = std::make_unique<RecordStore>();
    const std::string folder = snapshotFolder();
    const std::string kept = readMachine(session, *machine) && !folder.empty()
                                 ? keepSnapshot(folder, *machine, localTimeNow())
                                 : std::string();
    if (kept.empty())
        std::fputs("zelt-dat: warning: the machine's image could not be kept as a snapshot\n",
                   stderr);
    else
        std::fprintf(stderr, "zelt-dat: snapshot %s\n", kept.c_str());
}

// True when the machine holds every record as it was sent.
bool verifyMachine(RemoteSession& session, const RecordStore& sent) {
    auto readBack = std::make_unique<RecordStore>();
    if (!readMachine(session, *readBack)) {
        printMessage(IDS_VERIFY_UNREADABLE);
        return false;
    }
    const VerifyVerdict verdict = verifyUpload(sent, *readBack);
    if (!verdict.matched) {
        const std::string text = fillTemplate(stringTableText(verdict.messageId), verdict.detail);
        std::fprintf(stderr, "zelt-dat: %s\n", text.c_str());
    }
    return verdict.matched;
}

} // namespace

int runDownloadCommand(std::span<const std::string> arguments) {
    if (!usage(arguments, "download"))
        return kExitUsage;
    RemoteSession session;
    if (!session.begin())
        return kExitFailed;
    RecordStore store;
    prepareDownload(store, session.networkChangeFlag());
    const bool downloaded = downloadAll(session.link(), store);
    if (!downloaded)
        session.reportTransferFailure();
    const bool left = session.end();
    if (!downloaded)
        return kExitFailed;
    // The whole image arrived: it is written even when the machine did not
    // take the leave-mode command, which is only worth a warning.
    if (writeDataFile(arguments[0], store) != 1) {
        std::fprintf(stderr, "zelt-dat: cannot write %s\n", arguments[0].c_str());
        return kExitFailed;
    }
    if (!left)
        std::fputs("zelt-dat: warning: the machine did not leave remote setup mode\n", stderr);
    return kExitOk;
}

int runUploadCommand(std::span<const std::string> arguments) {
    const bool verify = !(arguments.size() == 2 && arguments[1] == "--no-verify");
    if (!usage(arguments.first(verify ? arguments.size() : 1), "upload [--no-verify]"))
        return kExitUsage;
    // The file is read first: a file that cannot be read never reaches the
    // machine.
    RecordStore store;
    initStore(store);
    if (readDataFile(arguments[0], store) != 1) {
        std::fprintf(stderr, "zelt-dat: cannot read %s\n", arguments[0].c_str());
        return kExitFailed;
    }
    RemoteSession session;
    if (!session.begin())
        return kExitFailed;
    keepMachineImage(session);
    const bool uploaded = uploadAll(session.link(), store, session.networkChangeFlag());
    if (!uploaded)
        session.reportTransferFailure();
    const bool verified = !uploaded || !verify || verifyMachine(session, store);
    const bool left = session.end();
    return uploaded && verified && left ? kExitOk : kExitFailed;
}
