// zelt-bench-win: what a user waits for in the Windows program, under Wine:
// Open and Save of a data file, the refresh of the phone-book lists and a
// view switch in the real main window, and the program's start-up against a
// bare window. Prints Markdown table rows; scripts/bench runs it with the
// native benchmarks and prints one table.
//   zelt-bench-win [--quick]
// --quick runs everything once: the smoke test of the Wine tests.

#include "bench_report.h"
#include "document_bench.h"
#include "startup_bench_win.h"
#include "window_bench_win.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kExitUsage = 2;

} // namespace

int main(int argc, char** argv) {
    BenchSettings settings;
    if (argc == 2 && std::strcmp(argv[1], "--quick") == 0) {
        settings = quickBenchSettings();
    } else if (argc != 1) {
        std::fputs("usage: zelt-bench-win [--quick]\n", stderr);
        return kExitUsage;
    }
    BenchReport report;
    printTableHeader();
    benchDocumentFiles(settings, "Wine", report);
    benchMainWindow(settings, report);
    benchStartup(settings, report);
    return report.exitCode();
}
