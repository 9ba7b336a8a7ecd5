#include "string_table.h"

#include "resource_ids.h"
#include "zelt_version.h"

#include <algorithm>
#include <array>

namespace {

// A name in strings.def that disagrees with resource_ids.h would make the
// code and the .rc talk about different strings; stop the build instead.
#define STR(name, id, text) static_assert((name) == (id), #name " differs from resource_ids.h");
#include "strings.def"
#undef STR

constexpr auto kEntries = [] {
    std::array entries{
#define STR(name, id, text) StringTableEntry{id, text},
#include "strings.def"
#undef STR
    };
    std::sort(entries.begin(), entries.end(),
              [](const StringTableEntry& a, const StringTableEntry& b) { return a.id < b.id; });
    return entries;
}();

// windres silently keeps one of two texts under the same id.
static_assert(std::adjacent_find(kEntries.begin(), kEntries.end(),
                                 [](const StringTableEntry& a, const StringTableEntry& b) {
                                     return a.id == b.id;
                                 }) == kEntries.end(),
              "strings.def lists an id twice");

} // namespace

std::string_view stringTableText(int id) {
    auto found =
        std::lower_bound(kEntries.begin(), kEntries.end(), id,
                         [](const StringTableEntry& entry, int key) { return entry.id < key; });
    if (found == kEntries.end() || found->id != id)
        return {};
    return found->text;
}

std::span<const StringTableEntry> allStringTableEntries() {
    return kEntries;
}

std::string fillTemplate(std::string_view textTemplate, std::string_view value) {
    std::string text(textTemplate);
    const size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}
