#include "bench_report.h"

#include <cstdio>

namespace {

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string verdict(const std::string& goal, bool met) {
    return goal + (met ? " (met)" : " (MISSED)");
}

} // namespace

std::string formatSeconds(double seconds) {
    if (seconds < 1e-3)
        return format("%.1f us", seconds * 1e6);
    if (seconds < 1)
        return format("%.2f ms", seconds * 1e3);
    return format("%.2f s", seconds);
}

BenchRow sideBySideRow(const std::string& what, const SideBySide& figures, double goalRatio) {
    return {what, formatSeconds(figures.oursSeconds), formatSeconds(figures.referenceSeconds),
            format("%.2f", figures.ratio),
            verdict(format("<= %.2f", goalRatio), figures.ratio <= goalRatio)};
}

BenchRow frameRow(const std::string& what, double medianSeconds) {
    return {what, formatSeconds(medianSeconds), "one frame, 16 ms",
            format("%.3f", medianSeconds / kFrameSeconds),
            verdict("< 1", medianSeconds < kFrameSeconds)};
}

BenchRow countRow(const std::string& what, const std::string& oursText,
                  const std::string& protocolText, bool equal) {
    return {what, oursText, protocolText, equal ? "1.00" : "differs", verdict("= protocol", equal)};
}

void printTableHeader() {
    std::printf("| What | Ours | Reference | Ratio | Goal |\n");
    std::printf("|---|---|---|---|---|\n");
    std::fflush(stdout);
}

void BenchReport::add(const BenchRow& row) {
    std::printf("| %s | %s | %s | %s | %s |\n", row.what.c_str(), row.ours.c_str(),
                row.reference.c_str(), row.ratio.c_str(), row.goal.c_str());
    std::fflush(stdout);
}

void BenchReport::fail(const std::string& what) {
    std::fprintf(stderr, "bench: %s\n", what.c_str());
    failed_ = true;
}
