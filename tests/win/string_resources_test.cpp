#include "resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(Resources, StringTableIsCompiledIntoTheProgram) {
    wchar_t text[128] = {};
    ASSERT_GT(LoadStringW(GetModuleHandleW(nullptr), IDS_APP_TITLE, text, 128), 0);
    EXPECT_STREQ(text, L"Local Setup - Zelt");
}
