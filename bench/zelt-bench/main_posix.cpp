// zelt-bench: the program's transfers against a minimal loop over the same
// transport (in-process and over TCP to zelt-machine), with their counts on
// the wire, and Open and Save of a data file natively. Prints Markdown table
// rows; scripts/bench runs it with the Wine benchmarks and prints one table.
//   zelt-bench --machine PATH-TO-ZELT-MACHINE [--quick]
// --quick runs everything once: the smoke test of scripts/test.

#include "bench_report.h"
#include "document_bench.h"
#include "full_phone_book.h"
#include "link/in_process_transport.h"
#include "link/simulated_machine.h"
#include "link/tcp_transport.h"
#include "machine_process.h"
#include "scratch_folder.h"
#include "store/data_file.h"
#include "transfer_bench.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr int kExitUsage = 2;

void benchInProcess(const BenchSettings& settings, const RecordStore& image, BenchReport& report) {
    SimulatedMachine machine;
    machine.image = image;
    InProcessTransport transport({&machine});
    benchTransfers(settings, transport, image, "in-process", report);
}

void benchOverTcp(const BenchSettings& settings, const std::string& machineProgram,
                  const RecordStore& image, BenchReport& report) {
    ScratchFolder folder;
    const std::string imagePath = folder.file("machine.DAT");
    MachineProcess machine;
    if (!folder.created() || !writeDataFile(imagePath, image) ||
        !machine.start(machineProgram, imagePath)) {
        report.fail("cannot start " + machineProgram);
        return;
    }
    TcpTransport transport(parseMachineAddresses(machine.address()));
    benchTransfers(settings, transport, image, "TCP to zelt-machine", report);
}

bool parseArguments(int argc, char** argv, BenchSettings& settings, std::string& machineProgram) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--quick")
            settings = quickBenchSettings();
        else if (argument == "--machine" && i + 1 < argc)
            machineProgram = argv[++i];
        else
            return false;
    }
    return !machineProgram.empty();
}

} // namespace

int main(int argc, char** argv) {
    BenchSettings settings;
    std::string machineProgram;
    if (!parseArguments(argc, argv, settings, machineProgram)) {
        std::fputs("usage: zelt-bench --machine PATH-TO-ZELT-MACHINE [--quick]\n", stderr);
        return kExitUsage;
    }
    BenchReport report;
    printTableHeader();
    const RecordStore image = fullPhoneBookImage();
    benchInProcess(settings, image, report);
    benchOverTcp(settings, machineProgram, image, report);
    benchImageComparison(settings, image, report);
    benchDocumentFiles(settings, "native", report);
    return report.exitCode();
}
