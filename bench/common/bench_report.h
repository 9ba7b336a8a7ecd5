#pragma once

#include "bench_clock.h"

#include <string>

// One line of the benchmark table: what was measured, our figure, what it is
// measured against, the ratio of the two and the goal with its verdict.
// Every program prints its lines as Markdown table rows as soon as they are
// measured; scripts/bench gathers them under one header.
struct BenchRow {
    std::string what;
    std::string ours;
    std::string reference;
    std::string ratio;
    std::string goal;
};

// The one frame that work a user waits for must fit in.
constexpr double kFrameSeconds = 0.016;

// "85.2 us", "12.3 ms", "1.23 s".
std::string formatSeconds(double seconds);

// Ours against a reference measured side by side; met when the ratio is at
// most `goalRatio`.
BenchRow sideBySideRow(const std::string& what, const SideBySide& figures, double goalRatio);
// A median against one frame; met when under it.
BenchRow frameRow(const std::string& what, double medianSeconds);
// A count against the protocol's own; met only when equal.
BenchRow countRow(const std::string& what, const std::string& oursText,
                  const std::string& protocolText, bool equal);

// For a program run by hand; scripts/bench prints the header once.
void printTableHeader();

// What a benchmark program tells its caller: 0 when every benchmark ran, 1
// when one could not (an operation failed, a count differed from the
// protocol's), 2 for a wrong command line. A missed time goal is a figure,
// not a failure: the table says so.
class BenchReport {
  public:
    // Printed at once, so a later failure keeps the rows measured before it.
    void add(const BenchRow& row);
    // A benchmark that could not produce its figure: said on standard error.
    void fail(const std::string& what);
    int exitCode() const { return failed_ ? 1 : 0; }

  private:
    bool failed_ = false;
};
