#include "resource_ids.h"
#include "string_table.h"

#include <gtest/gtest.h>

TEST(StringTable, FindsTextsByIdAndNothingForUnknownIds) {
    EXPECT_EQ(stringTableText(IDS_APP_TITLE), "Local Setup - Zelt");
    EXPECT_EQ(stringTableText(IDS_MODEL), "A4VARN 2078");
    EXPECT_EQ(stringTableText(IDS_DEFAULT_FILE_NAME), "NewFile.Dat");
    EXPECT_TRUE(stringTableText(0).empty());
    EXPECT_TRUE(stringTableText(99999).empty());
}
