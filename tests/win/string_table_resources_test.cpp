#include "resource_ids.h"
#include "string_table.h"
#include "win/win_text_win.h"

#include <windows.h>

#include <gtest/gtest.h>

// windres and the C++ compiler each read the escapes and the UTF-8 of
// strings.def; both must arrive at the same texts.
TEST(StringTableResources, EveryCompiledStringEqualsThePortableText) {
    HINSTANCE exe = GetModuleHandleW(nullptr);
    for (const StringTableEntry& entry : allStringTableEntries())
        EXPECT_EQ(loadResourceString(exe, entry.id), utf8ToWide(entry.text))
            << "string " << entry.id;
}

TEST(StringTableResources, LineBreaksArriveAsSingleNewlines) {
    EXPECT_EQ(loadResourceString(GetModuleHandleW(nullptr), IDS_KEY_USED_BY_ONE_TOUCH),
              L"This key is already used by One Touch,\nDo you want to overwrite it ?");
}
