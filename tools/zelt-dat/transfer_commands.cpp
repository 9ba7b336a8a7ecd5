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
#include "store/data_file.h"
#include "string_table.h"
#include "workspace/model_string.h"

#include <cstdio>
#include <memory>

namespace {

// The program's message for a failed exchange, printed instead of shown in a
// message box. The failure that follows a network restart is expected and
// stays silent, as in the program.
bool reportOutcome(LinkOutcome outcome) {
    if (outcome == LinkOutcome::failed) {
        const std::string_view text = stringTableText(IDS_ERROR_MACHINE_DATA);
        std::fprintf(stderr, "zelt-dat: %.*s\n", static_cast<int>(text.size()), text.data());
    }
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
        if (status == kStatusBusy || status == kStatusFaulty) {
            std::fprintf(stderr, "zelt-dat: the machine is %s\n",
                         status == kStatusBusy ? "busy" : "reporting a fault");
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
    if (!downloaded || !left)
        return kExitFailed;
    if (writeDataFile(arguments[0], store) != 1) {
        std::fprintf(stderr, "zelt-dat: cannot write %s\n", arguments[0].c_str());
        return kExitFailed;
    }
    return kExitOk;
}

int runUploadCommand(std::span<const std::string> arguments) {
    if (!usage(arguments, "upload"))
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
    const bool uploaded = uploadAll(session.link(), store, session.networkChangeFlag());
    if (!uploaded)
        session.reportTransferFailure();
    const bool left = session.end();
    return uploaded && left ? kExitOk : kExitFailed;
}
