#pragma once

#include "bench_clock.h"
#include "bench_report.h"
#include "link/transport.h"
#include "store/record_store.h"

#include <string>

// A full Download and a full Upload of `image`, which the machine on device
// 0 of `transport` holds, through the program's own code (link, protocol,
// store, unpack and pack) against the minimal scripted loop on the same
// transport, side by side; and, counted once each, the commands and bytes
// both put on the wire against the protocol's own. `where` names the
// transport in the rows.
void benchTransfers(const BenchSettings& settings, Transport& transport, const RecordStore& image,
                    const std::string& where, BenchReport& report);

// The comparison an Upload's preview shows, at its largest: every setting
// and entry of `image` against an empty machine, against one frame.
void benchImageComparison(const BenchSettings& settings, const RecordStore& image,
                          BenchReport& report);
