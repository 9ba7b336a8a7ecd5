#include "resource_ids.h"
#include "string_table.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(StringTable, FindsTextsByIdKeepingFormatsLineBreaksAndBlanksExactly) {
    const std::pair<int, const char*> texts[] = {
        {IDS_APP_TITLE, "Local Setup - Zelt"},
        {IDS_MODEL, "A4VARN 2078"},
        {IDS_DEFAULT_FILE_NAME, "NewFile.Dat"},
        {IDS_SAVE_CHANGES_QUESTION, "Is Change %s Saved ?"},
        {IDS_PRINT_PAGE_COUNT, "Total %d page(s), page %d"},
        {IDS_RANGE_MESSAGE, "Invalid value : must be within %d to %d !"},
        {IDS_KEY_USED_BY_GROUP,
         "This key is already used by Group,\nDo you want to overwrite it ?"},
        {IDS_CONFIRM_DOWNLOAD,
         "The setting data of Zelt is overwritten by the machine's data.\nAre you sure?"},
        {IDS_EMAIL_ADDRESS_REQUIRED, "E-Mail address  must be specified !"},
        {IDS_EMAIL_ADDRESS_LABEL, " A&ddress:"},
        {IDS_PRINT_STATION_NAME, "Name : "},
        {IDS_PRINT_ITEM_NUMBER, " Item#"},
        {IDS_COMBINATION_KEY_SUFFIX, " (Combination Key)"},
        {0, ""},
        {99999, ""},
    };
    for (auto [id, text] : texts)
        EXPECT_EQ(stringTableText(id), text) << "string " << id;
}

TEST(StringTable, ProductLineAndInvalidAddressMessageEndInALineOfTheirOwn) {
    std::string_view product = stringTableText(IDS_PRODUCT_VERSION);
    ASSERT_NE(product.find("\n\n"), std::string_view::npos);
    EXPECT_EQ(product.substr(product.rfind('\n') + 1), "V4.02");
    std::string_view message = stringTableText(IDS_EMAIL_ADDRESS_INVALID);
    ASSERT_TRUE(message.starts_with("E-Mail address is invalid !\n\n"));
    std::string_view example = message.substr(message.rfind('\n') + 1);
    EXPECT_TRUE(example.starts_with("Example:"));
    EXPECT_EQ(std::count(example.begin(), example.end(), '@'), 1);
}

TEST(StringTable, RangesReadByComboFillsAreComplete) {
    // The combo helpers load first..last in order; a hole would shift every
    // later item onto the wrong stored value.
    const std::pair<int, int> ranges[] = {
        {IDS_PANEL_RESET_30_SEC, IDS_PANEL_RESET_DISABLE},
        {IDS_COUNTRY_ARGENTINA, IDS_COUNTRY_VIETNAM},
        {IDS_LANGUAGE_ENGLISH, IDS_LANGUAGE_JAPANESE},
        {IDS_LANGUAGE_SHORT_CZECH, IDS_LANGUAGE_SHORT_RUSSIAN},
        {IDS_TX_RESOLUTION_STANDARD, IDS_TX_RESOLUTION_HALFTONE_SUPER_FINE},
        {IDS_EMAIL_PAPER_A4, IDS_EMAIL_CODING_MMR},
        {IDS_NUP_1, IDS_NUP_25},
        {IDS_SPEED_9600, IDS_SPEED_33600},
    };
    for (auto [first, last] : ranges)
        for (int id = first; id <= last; ++id)
            EXPECT_FALSE(stringTableText(id).empty()) << "string " << id;
    EXPECT_EQ(IDS_COUNTRY_VIETNAM - IDS_COUNTRY_ARGENTINA + 1, 42);
    EXPECT_EQ(stringTableText(IDS_COUNTRY_ARGENTINA + 39), "USA");
}

TEST(StringTable, EntriesAreOrderedByIdAndNeverEmpty) {
    auto entries = allStringTableEntries();
    ASSERT_GT(entries.size(), 200u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_FALSE(entries[i].text.empty()) << "string " << entries[i].id;
        if (i > 0) {
            EXPECT_LT(entries[i - 1].id, entries[i].id);
        }
    }
}

TEST(StringTable, FillTemplateNamesItsValueOnce) {
    EXPECT_EQ(fillTemplate("Is Change %s Saved ?", "NewFile.Dat"),
              "Is Change NewFile.Dat Saved ?");
    // A path that itself holds format characters is inserted as plain text.
    EXPECT_EQ(fillTemplate("Is Change %s Saved ?", "C:\\100%s %d\\a.DAT"),
              "Is Change C:\\100%s %d\\a.DAT Saved ?");
    // A translated question without the placeholder is shown as it is.
    EXPECT_EQ(fillTemplate("Save?", "x.DAT"), "Save?");
}
