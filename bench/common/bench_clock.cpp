#include "bench_clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double medianOf(std::vector<double> values) {
    if (values.empty())
        return 0;
    const size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle),
                     values.end());
    if (values.size() % 2 == 1)
        return values[middle];
    const double upper = values[middle];
    const double lower =
        *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
    return (lower + upper) / 2;
}

// Seconds for `runs` runs of `operation`; negative when a run failed.
double timeBatch(const BenchOperation& operation, int runs) {
    const Clock::time_point start = Clock::now();
    for (int run = 0; run < runs; ++run)
        if (!operation())
            return -1;
    return secondsSince(start);
}

// How many runs make a sample at least `minimumSeconds` long, judged from
// one run (which also warms the caches).
int batchSize(const BenchOperation& operation, double minimumSeconds) {
    const double once = timeBatch(operation, 1);
    if (once < 0)
        return 0;
    if (once >= minimumSeconds)
        return 1;
    return static_cast<int>(std::ceil(minimumSeconds / std::max(once, 1e-9)));
}

// Ours and the reference in turn, `pairs` times; which goes first
// alternates.
bool comparePairs(int pairs, const MeasuredRun& ours, const MeasuredRun& reference,
                  SideBySide& result) {
    std::vector<double> oursSamples, referenceSamples, ratios;
    for (int pair = 0; pair < pairs; ++pair) {
        const bool oursFirst = pair % 2 == 0;
        double first = 0, second = 0;
        if (!(oursFirst ? ours : reference)(first) || !(oursFirst ? reference : ours)(second))
            return false;
        const double oursSeconds = oursFirst ? first : second;
        const double referenceSeconds = oursFirst ? second : first;
        oursSamples.push_back(oursSeconds);
        referenceSamples.push_back(referenceSeconds);
        ratios.push_back(oursSeconds / std::max(referenceSeconds, 1e-12));
    }
    result.oursSeconds = medianOf(oursSamples);
    result.referenceSeconds = medianOf(referenceSamples);
    result.ratio = medianOf(ratios);
    return true;
}

} // namespace

BenchSettings quickBenchSettings() {
    return {1, 1, 0, 1};
}

bool timeMedian(const BenchSettings& settings, const BenchOperation& operation,
                double& medianSeconds) {
    return timeMedianAfter(
        settings, [] { return true; }, operation, medianSeconds);
}

bool timeMedianAfter(const BenchSettings& settings, const BenchOperation& prepare,
                     const BenchOperation& operation, double& medianSeconds) {
    std::vector<double> samples;
    for (int run = 0; run < settings.repetitions; ++run) {
        if (!prepare())
            return false;
        const double seconds = timeBatch(operation, 1);
        if (seconds < 0)
            return false;
        samples.push_back(seconds);
    }
    medianSeconds = medianOf(samples);
    return true;
}

bool compareSideBySide(const BenchSettings& settings, const BenchOperation& ours,
                       const BenchOperation& reference, SideBySide& result) {
    const int batch = std::max(batchSize(ours, settings.minimumBatchSeconds),
                               batchSize(reference, settings.minimumBatchSeconds));
    if (batch == 0)
        return false;
    const auto batchOf = [batch](const BenchOperation& operation) {
        return [batch, &operation](double& seconds) {
            seconds = timeBatch(operation, batch) / batch;
            return seconds >= 0;
        };
    };
    return comparePairs(settings.pairs, batchOf(ours), batchOf(reference), result);
}

bool compareMeasuredRuns(int pairs, const MeasuredRun& ours, const MeasuredRun& reference,
                         SideBySide& result) {
    double warmUp = 0;
    return ours(warmUp) && reference(warmUp) && comparePairs(pairs, ours, reference, result);
}
