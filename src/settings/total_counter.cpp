#include "settings/total_counter.h"

#include "resource_ids.h"

namespace {

// In the record's order: mono copy, colour copy, mono print, colour print,
// fax print, total scan.
constexpr std::array<int, kShownCounterCount> kCounterControls = {
    IDC_COUNTER_MONO_COPY,   IDC_COUNTER_COLOR_COPY, IDC_COUNTER_MONO_PRINT,
    IDC_COUNTER_COLOR_PRINT, IDC_COUNTER_FAX_PRINT,  IDC_COUNTER_TOTAL_SCAN,
};

uint32_t littleEndianU32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

} // namespace

std::array<CounterLine, kShownCounterCount> totalCounterLines(const RecordStore& store) {
    const auto& payload = store.slots[kCounterSlot].payload;
    std::array<CounterLine, kShownCounterCount> lines;
    for (size_t i = 0; i < kShownCounterCount; ++i)
        lines[i] = {kCounterControls[i], std::to_string(littleEndianU32(&payload[4 * i]))};
    return lines;
}
