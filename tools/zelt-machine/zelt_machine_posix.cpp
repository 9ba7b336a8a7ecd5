// zelt-machine: the simulated machine on the loopback address, for demos and
// end-to-end tests. The program reaches it with ZELT_MACHINE_ADDRESS set to
// 127.0.0.1:PORT.

#include "link/sample_machine_image.h"
#include "machine_server.h"
#include "store/data_file.h"

#include <algorithm>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

struct Options {
    uint16_t port = 0;
    std::string imagePath;
    std::string samplePath; // --write-sample: write and leave
    uint16_t productId = 0x2078;
    bool busy = false;
    bool faulty = false;
    bool timedOut = false;
    bool refuseReads = false;
    uint32_t corruptWritesOf = 0;
    unsigned remoteTimeoutSeconds = 0;
    bool verbose = false;
};

// The switches that take no value.
constexpr std::pair<std::string_view, bool Options::*> kSwitches[] = {
    {"--busy", &Options::busy},          {"--fault", &Options::faulty},
    {"--timed-out", &Options::timedOut}, {"--refuse-reads", &Options::refuseReads},
    {"--verbose", &Options::verbose},
};

constexpr const char* kUsage =
    "usage: zelt-machine [--port N] [--image FILE] [--product-id HEX] [--busy] [--fault]\n"
    "                    [--timed-out] [--remote-timeout SECONDS] [--verbose]\n"
    "                    [--refuse-reads] [--corrupt-write HEX-ID]\n"
    "       zelt-machine --write-sample FILE\n"
    "Serves a simulated machine on 127.0.0.1 (port 0: any free port; the first line\n"
    "printed names it). With --image the records are loaded from FILE when it exists\n"
    "and saved to it on SIGINT or SIGTERM; otherwise the machine starts with the\n"
    "sample image.\n";

template <typename Number> bool parseNumber(std::string_view text, Number& value, int base = 10) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        const auto flag = std::find_if(std::begin(kSwitches), std::end(kSwitches),
                                       [&](const auto& entry) { return entry.first == name; });
        if (flag != std::end(kSwitches)) {
            options.*(flag->second) = true;
            continue;
        }
        if (i + 1 >= argc)
            return false;
        const std::string_view value = argv[++i];
        bool valid = !value.empty();
        if (name == "--port")
            valid = parseNumber(value, options.port);
        else if (name == "--product-id")
            valid = parseNumber(value, options.productId, 16);
        else if (name == "--corrupt-write")
            valid = parseNumber(value, options.corruptWritesOf, 16);
        else if (name == "--remote-timeout")
            valid = parseNumber(value, options.remoteTimeoutSeconds);
        else if (name == "--image")
            options.imagePath = value;
        else if (name == "--write-sample")
            options.samplePath = value;
        else
            valid = false;
        if (!valid)
            return false;
    }
    return true;
}

bool loadImage(const Options& options, SimulatedMachine& machine) {
    machine.image = sampleMachineImage();
    std::error_code error;
    if (options.imagePath.empty() || !std::filesystem::exists(options.imagePath, error))
        return true;
    initStore(machine.image);
    if (readDataFile(options.imagePath, machine.image) == 1)
        return true;
    std::fprintf(stderr, "zelt-machine: cannot read image %s\n", options.imagePath.c_str());
    return false;
}

void announce(uint16_t port) {
    std::printf("zelt-machine listening on 127.0.0.1:%u\n", static_cast<unsigned>(port));
    std::fflush(stdout);
}

void printExchange(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void handleSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // A reader that went away (a closed pager or terminal) must not end the
    // machine before it has saved its image; the failed write is enough.
    action.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &action, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    if (!options.samplePath.empty()) {
        if (writeDataFile(options.samplePath, sampleMachineImage()) == 1)
            return kExitOk;
        std::fprintf(stderr, "zelt-machine: cannot write %s\n", options.samplePath.c_str());
        return kExitFailed;
    }

    SimulatedMachine machine;
    if (!loadImage(options, machine))
        return kExitFailed;
    machine.productId = options.productId;
    machine.busy = options.busy;
    machine.faulty = options.faulty;
    machine.remoteTimedOut = options.timedOut;
    machine.refuseReads = options.refuseReads;
    machine.corruptWritesOf = options.corruptWritesOf;
    machine.remoteTimeout = std::chrono::seconds(options.remoteTimeoutSeconds);
    if (options.verbose)
        machine.onExchange = printExchange;

    handleSignals();
    if (!serveMachine(machine, options.port, stopRequested, announce)) {
        std::fprintf(stderr, "zelt-machine: cannot listen on port %u\n",
                     static_cast<unsigned>(options.port));
        return kExitFailed;
    }
    if (!options.imagePath.empty() && writeDataFile(options.imagePath, machine.image) != 1) {
        std::fprintf(stderr, "zelt-machine: cannot save image %s\n", options.imagePath.c_str());
        return kExitFailed;
    }
    return kExitOk;
}
