#pragma once

#include "bench_clock.h"
#include "bench_report.h"

// Zelt.exe from its process start to its main window shown, against
// bare-window.exe (a class and an empty window) started the same way in the
// same prefix, in turn; both from copies in a scratch folder, so the
// program's one-instance flag and backup file are its own. The program's
// backup holds the full phone book, as after a user's earlier run.
void benchStartup(const BenchSettings& settings, BenchReport& report);
