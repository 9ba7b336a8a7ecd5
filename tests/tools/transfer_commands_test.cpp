// zelt-dat download and upload against zelt-machine over TCP on the loopback
// address: both real tools, started as processes.

#include "link/remote_mode.h"
#include "link/sample_machine_image.h"
#include "link/tcp_transport.h"
#include "link/transfer_protocol.h"
#include "store/data_file.h"
#include "tool_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// zelt-machine on a port the system picks; the first line it prints names it.
class MachineProcess {
  public:
    explicit MachineProcess(std::vector<std::string> options) {
        int output[2];
        if (pipe(output) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(output[1], STDOUT_FILENO);
            close(output[0]);
            close(output[1]);
            const std::string path = std::string(ZELT_TOOLS_DIR) + "/zelt-machine";
            std::vector<char*> argv{const_cast<char*>(path.c_str()), const_cast<char*>("--port"),
                                    const_cast<char*>("0")};
            for (std::string& option : options)
                argv.push_back(option.data());
            argv.push_back(nullptr);
            execv(path.c_str(), argv.data());
            _exit(127);
        }
        close(output[1]);
        output_ = fdopen(output[0], "r");
        char line[128] = {};
        if (output_ != nullptr && std::fgets(line, sizeof line, output_) != nullptr) {
            const std::string text = line;
            const size_t colon = text.rfind(':');
            if (colon != std::string::npos)
                address_ = "127.0.0.1:" + text.substr(colon + 1, text.find('\n') - colon - 1);
        }
    }
    ~MachineProcess() { stop(); }

    const std::string& address() const { return address_; }

    // Stops reading what it prints, as a closed terminal or a pager would.
    void closeOutput() {
        if (output_ != nullptr)
            fclose(output_);
        output_ = nullptr;
    }

    // Ends it as a user would and returns its exit status.
    int stop() {
        if (pid_ <= 0)
            return -1;
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        if (output_ != nullptr)
            fclose(output_);
        output_ = nullptr;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    FILE* output_ = nullptr;
    std::string address_;
};

fs::path scratchFile(const std::string& name) {
    return fs::temp_directory_path() / ("zelt-transfer-" + std::to_string(getpid()) + "-" + name);
}

RecordStore readImage(const fs::path& path) {
    RecordStore store;
    initStore(store);
    EXPECT_EQ(readDataFile(path.string(), store), 1) << path;
    return store;
}

bool sameRecords(const RecordStore& a, const RecordStore& b, int firstSlot) {
    for (int slot = firstSlot; slot < kSlotCount; ++slot) {
        const SettingRecord& x = a.slots[slot];
        const SettingRecord& y = b.slots[slot];
        if (x.recordId != y.recordId || x.payloadLength != y.payloadLength ||
            x.payload != y.payload)
            return false;
    }
    return true;
}

} // namespace

TEST(TransferCommands, DownloadAndUploadThroughZeltMachine) {
    const fs::path machineImage = scratchFile("machine.dat");
    const fs::path downloaded = scratchFile("downloaded.dat");
    fs::remove(machineImage);
    MachineProcess machine({"--image", machineImage.string()});
    ASSERT_FALSE(machine.address().empty());

    // A machine without an image file starts with the sample image.
    ToolResult result = runZeltDat("download " + downloaded.string(), machine.address());
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_TRUE(sameRecords(readImage(downloaded), sampleMachineImage(), 0));

    const fs::path uploaded = fs::path(ZELT_TEST_DATA_DIR) / "every_kind.dat";
    result = runZeltDat("upload " + uploaded.string(), machine.address());
    ASSERT_EQ(result.exitCode, 0) << result.output;

    // The machine saves what it holds when it is stopped: the uploaded
    // records, and its own information records and 0x10a00.
    ASSERT_EQ(machine.stop(), 0);
    const RecordStore saved = readImage(machineImage);
    EXPECT_TRUE(sameRecords(saved, readImage(uploaded), 3));
    EXPECT_EQ(saved.slots[0].payload, sampleMachineImage().slots[0].payload);
    fs::remove(machineImage);
    fs::remove(downloaded);
}

TEST(TransferCommands, MachineWhoseOutputIsGoneStillServesAndSavesItsImage) {
    const fs::path machineImage = scratchFile("verbose.dat");
    const fs::path downloaded = scratchFile("verbose-downloaded.dat");
    fs::remove(machineImage);
    MachineProcess machine({"--verbose", "--image", machineImage.string()});
    ASSERT_FALSE(machine.address().empty());
    machine.closeOutput();

    const ToolResult result = runZeltDat("download " + downloaded.string(), machine.address());
    EXPECT_EQ(result.exitCode, 0) << result.output;
    ASSERT_EQ(machine.stop(), 0);
    EXPECT_TRUE(sameRecords(readImage(machineImage), sampleMachineImage(), 0));
    fs::remove(machineImage);
    fs::remove(downloaded);
}

TEST(TransferCommands, FailuresEndWithAMessageAndANonZeroExit) {
    const fs::path target = scratchFile("never.dat");
    const std::pair<std::vector<std::string>, const char*> refusals[] = {
        {{"--busy"}, "Machine is operating !"},
        {{"--timed-out"}, "Disconnected from machine by timeout !"},
        {{"--fault"}, "Machine has a problem!"},
        {{"--refuse-reads"}, "Error reading/writing machine data!"},
        {{"--product-id", "1234"}, "no machine found"}};
    for (const auto& [options, message] : refusals) {
        MachineProcess machine(options);
        const ToolResult result = runZeltDat("download " + target.string(), machine.address());
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.output.find(message), std::string::npos) << result.output;
    }
    EXPECT_FALSE(fs::exists(target));

    const ToolResult missing = runZeltDat("upload /no/such/file.dat", "127.0.0.1:1");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find("cannot read"), std::string::npos) << missing.output;
    EXPECT_EQ(runZeltDat("download", "127.0.0.1:1").exitCode, 2);
}

TEST(TransferCommands, TcpLinkSurvivesTheNetworkRestartAfterChangedNetworkSettings) {
    MachineProcess machine({});
    ASSERT_FALSE(machine.address().empty());
    TcpTransport transport(parseMachineAddresses(machine.address()));
    LinkState link;
    link.transport = &transport;
    link.acceptedProductIds = {0x2078};

    ASSERT_EQ(enterRemoteMode(link), LinkOutcome::done);
    RecordStore store;
    uint8_t networkChangeFlag = kNetworkChangeNone;
    prepareDownload(store, networkChangeFlag);
    ASSERT_TRUE(downloadAll(link, store));
    // Network settings changed on the settings page; the Upload reuses the
    // channels the Download left open.
    networkChangeFlag = kNetworkChangePending;
    ASSERT_TRUE(uploadAll(link, store, networkChangeFlag));
    EXPECT_EQ(networkChangeFlag, kNetworkChangeCarried);

    // The machine drops the connection and refuses the next one: leaving
    // remote mode fails as expected and clears the flag.
    EXPECT_EQ(leaveRemoteMode(link, networkChangeFlag), LinkOutcome::failedAfterNetworkRestart);
    EXPECT_EQ(networkChangeFlag, kNetworkChangeNone);
    EXPECT_EQ(leaveRemoteMode(link, networkChangeFlag), LinkOutcome::done);
    closeLink(link);
    EXPECT_EQ(machine.stop(), 0);
}

TEST(TransferCommands, UploadKeepsWhatTheMachineHeldAndVerifiesWhatArrived) {
    const fs::path snapshots = scratchFile("snapshots");
    fs::remove_all(snapshots);
    setenv("ZELT_SNAPSHOT_FOLDER", snapshots.c_str(), 1);
    const fs::path uploaded = fs::path(ZELT_TEST_DATA_DIR) / "every_kind.dat";
    MachineProcess machine({"--corrupt-write", "10c41"});
    ASSERT_FALSE(machine.address().empty());

    ToolResult result = runZeltDat("upload " + uploaded.string(), machine.address());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("These records differ:\nRecord 0x10c41\n"), std::string::npos)
        << result.output;
    // The snapshot holds the machine's image from before: the sample.
    ASSERT_EQ(std::distance(fs::directory_iterator(snapshots), fs::directory_iterator()), 1);
    const fs::path snapshot = fs::directory_iterator(snapshots)->path();
    EXPECT_TRUE(snapshot.filename().string().ends_with(" Reception.DAT")) << snapshot;
    EXPECT_TRUE(sameRecords(readImage(snapshot), sampleMachineImage(), 0));

    result = runZeltDat("upload " + uploaded.string() + " --no-verify", machine.address());
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(runZeltDat("upload " + uploaded.string() + " --verify", machine.address()).exitCode,
              2);
    unsetenv("ZELT_SNAPSHOT_FOLDER");
    fs::remove_all(snapshots);
}
