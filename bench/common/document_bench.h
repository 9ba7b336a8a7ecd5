#pragma once

#include "bench_clock.h"
#include "bench_report.h"

#include <string>

// Open (read, unpack, decode every entry) and Save (pack, write beside,
// rename over) of a data file holding the full phone book, through the
// program's own document functions, each against one frame. `where` names
// the platform in the rows.
void benchDocumentFiles(const BenchSettings& settings, const std::string& where,
                        BenchReport& report);
