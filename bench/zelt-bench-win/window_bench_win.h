#pragma once

#include "bench_clock.h"
#include "bench_report.h"

// The main window's work a user waits for, timed inside this process on the
// real window that the program's own start-up steps make, over the full
// phone book brought in the way Open brings it: the full refresh of the One
// Touch and the Speed Dial list and a view switch from the tree, each with
// the painting it causes, against one frame.
void benchMainWindow(const BenchSettings& settings, BenchReport& report);
