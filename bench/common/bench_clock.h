#pragma once

#include <functional>

// Figures on a shared machine drift from one run to the next, so a time is
// always the median of many repetitions, and a comparison is made side by
// side within one run: the two contenders take turns, pair after pair.

// How long and how often a benchmark measures. The quick setting runs every
// operation once, for the smoke test that keeps the benchmarks building and
// working; its figures mean nothing.
struct BenchSettings {
    int repetitions = 51;               // timed runs of one operation
    int pairs = 41;                     // turns of a side-by-side comparison
    double minimumBatchSeconds = 0.002; // a sample shorter than this repeats the operation
    int processPairs = 15;              // turns when each run starts a process
};

BenchSettings quickBenchSettings();

// An operation to time; false means it failed and the figure is void.
using BenchOperation = std::function<bool()>;
// A run that times itself, for operations whose end is not the moment to
// stop the clock (a process is timed until its window shows, then closed).
using MeasuredRun = std::function<bool(double& seconds)>;

// The median seconds of one run of `operation` over `settings.repetitions`
// runs; false as soon as a run fails.
bool timeMedian(const BenchSettings& settings, const BenchOperation& operation,
                double& medianSeconds);

// Like timeMedian, but `prepare` runs untimed before every timed run, for
// operations that need a state to start from (a view to switch away from).
bool timeMedianAfter(const BenchSettings& settings, const BenchOperation& prepare,
                     const BenchOperation& operation, double& medianSeconds);

struct SideBySide {
    double oursSeconds = 0;      // median of one run of ours
    double referenceSeconds = 0; // median of one run of the reference
    double ratio = 0;            // median of the ratios of the pairs
};

// Times ours and the reference in turn, `settings.pairs` times, each sample
// a batch of runs long enough to read the clock well; which of the two goes
// first alternates, so neither always finds the caches warm. False as soon
// as a run fails.
bool compareSideBySide(const BenchSettings& settings, const BenchOperation& ours,
                       const BenchOperation& reference, SideBySide& result);

// The same for runs that time themselves, one run a sample, after one
// untimed run of each.
bool compareMeasuredRuns(int pairs, const MeasuredRun& ours, const MeasuredRun& reference,
                         SideBySide& result);
