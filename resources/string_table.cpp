#include "string_table.h"

#include "resource_ids.h"

#include <algorithm>
#include <array>

namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

constexpr auto kEntries = [] {
    std::array entries{
#define STR(name, id, text) StringEntry{id, text},
#include "strings.def"
#undef STR
    };
    std::sort(entries.begin(), entries.end(),
              [](const StringEntry& a, const StringEntry& b) { return a.id < b.id; });
    return entries;
}();

} // namespace

std::string_view stringTableText(int id) {
    auto found = std::lower_bound(kEntries.begin(), kEntries.end(), id,
                                  [](const StringEntry& entry, int key) { return entry.id < key; });
    if (found == kEntries.end() || found->id != id)
        return {};
    return found->text;
}
