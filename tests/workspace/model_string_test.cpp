#include "workspace/model_string.h"

#include "resource_ids.h"
#include "string_table.h"

#include <gtest/gtest.h>

// Each model string against the family and ids it gives. A known family
// always brings its nine keys, nine Groups and program-dial key 5, even
// with no usable id; anything else leaves every value zero or empty, and
// stale values never survive a parse.
TEST(ModelString, FamilyTokenAndHexProductIds) {
    const std::string shipped(stringTableText(IDS_MODEL));
    const std::string longDigits = "A4VARN " + std::string(5000, 'f');
    struct Case {
        std::string text;
        uint8_t family;
        std::vector<uint32_t> ids;
    };
    const Case cases[] = {
        {shipped, kModelFamilyA4, {0x2078}},
        // Two ids are both accepted, a third is ignored.
        {"A3VARN 2078 0x20aF", kModelFamilyA3, {0x2078, 0x20af}},
        {"A4VARN\t1 2 3", kModelFamilyA4, {1, 2}},
        {"  A4VARN   ffffffff", kModelFamilyA4, {0xffffffff}},
        {"A4VARN", kModelFamilyA4, {}},
        {"A4VARN zz 2078", kModelFamilyA4, {}},
        // A number stops at the first character that is not a hex digit,
        // and whatever follows cannot be read as the next id.
        {"A4VARN 20g8 2079", kModelFamilyA4, {0x20}},
        {"A4VARN 2078;2079", kModelFamilyA4, {0x2078}},
        {"A4VARN 0x", kModelFamilyA4, {0}},
        // Ids that overflow 32 bits are refused; leading zeros are not overflow.
        {"A4VARN 123456789", kModelFamilyA4, {}},
        {"A4VARN 2078 100000000", kModelFamilyA4, {0x2078}},
        {"A4VARN 000000002078", kModelFamilyA4, {0x2078}},
        {longDigits, kModelFamilyA4, {}},
        // Family tokens match whole and case-sensitively.
        {"a4varn 2078", kModelFamilyUnknown, {}},
        {"A4VARNX 2078", kModelFamilyUnknown, {}},
        {"A4VAR 2078", kModelFamilyUnknown, {}},
        {"VARN 2078", kModelFamilyUnknown, {}},
        {"A5VARN 2078", kModelFamilyUnknown, {}},
        {"", kModelFamilyUnknown, {}},
        {"   ", kModelFamilyUnknown, {}},
        {"2078 A4VARN", kModelFamilyUnknown, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        StartupValues values;
        values.modelFamily = 7;
        values.acceptedProductIds = {0xdead};
        values.oneTouchKeyCount = 3;
        parseModelString(c.text, values);
        const int count = c.family == kModelFamilyUnknown ? 0 : 9;
        EXPECT_EQ(values.modelFamily, c.family);
        EXPECT_EQ(values.acceptedProductIds, c.ids);
        EXPECT_EQ(values.oneTouchKeyCount, count);
        EXPECT_EQ(values.groupCount, count);
        EXPECT_EQ(values.firstProgramDialKey, count == 0 ? 0 : 5);
    }
}

// Where the files go is pathBesideFile's business, proved with the data files.
TEST(FamilyFiles, ResourceLibraryAndBackupAreNamedByFamily) {
    const struct {
        uint8_t family;
        const char* library;
        const char* backup;
    } cases[] = {
        {kModelFamilyA4, "C:\\Zelt\\A4QELD.DLL", "C:\\Zelt\\A4QELD.BAK"},
        {kModelFamilyA3, "C:\\Zelt\\A3QELD.DLL", "C:\\Zelt\\A3QELD.BAK"},
        // An unknown family uses the A4 names.
        {kModelFamilyUnknown, "C:\\Zelt\\A4QELD.DLL", "C:\\Zelt\\A4QELD.BAK"},
        {200, "C:\\Zelt\\A4QELD.DLL", "C:\\Zelt\\A4QELD.BAK"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resourceLibraryPath("C:\\Zelt\\Zelt.exe", c.family), c.library);
        // The backup lies beside the resource library, whose own name never leaks in.
        EXPECT_EQ(backupFilePath("C:\\Zelt\\A3QELD.DLL", c.family), c.backup);
    }
}
