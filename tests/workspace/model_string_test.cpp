#include "workspace/model_string.h"

#include "resource_ids.h"
#include "string_table.h"

#include <gtest/gtest.h>

namespace {

StartupValues parsed(std::string_view text) {
    StartupValues values;
    values.modelFamily = 7; // stale values must not survive a parse
    values.acceptedProductIds = {0xdead};
    values.oneTouchKeyCount = 3;
    parseModelString(text, values);
    return values;
}

void expectKnownFamilyCounts(const StartupValues& values) {
    EXPECT_EQ(values.oneTouchKeyCount, 9);
    EXPECT_EQ(values.groupCount, 9);
    EXPECT_EQ(values.firstProgramDialKey, 5);
}

void expectNothingRecognised(const StartupValues& values) {
    EXPECT_EQ(values.modelFamily, kModelFamilyUnknown);
    EXPECT_TRUE(values.acceptedProductIds.empty());
    EXPECT_EQ(values.oneTouchKeyCount, 0);
    EXPECT_EQ(values.groupCount, 0);
    EXPECT_EQ(values.firstProgramDialKey, 0);
}

} // namespace

TEST(ModelString, ShippedStringIsTheA4FamilyWithOneProductId) {
    StartupValues values = parsed(stringTableText(IDS_MODEL));
    EXPECT_EQ(values.modelFamily, kModelFamilyA4);
    EXPECT_EQ(values.acceptedProductIds, std::vector<uint32_t>{0x2078});
    expectKnownFamilyCounts(values);
}

TEST(ModelString, TwoIdsAreBothAcceptedAndAThirdIsIgnored) {
    StartupValues values = parsed("A3VARN 2078 0x20aF");
    EXPECT_EQ(values.modelFamily, kModelFamilyA3);
    EXPECT_EQ(values.acceptedProductIds, (std::vector<uint32_t>{0x2078, 0x20af}));
    expectKnownFamilyCounts(values);

    EXPECT_EQ(parsed("A4VARN\t1 2 3").acceptedProductIds, (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(parsed("  A4VARN   ffffffff").acceptedProductIds, std::vector<uint32_t>{0xffffffff});
}

TEST(ModelString, FamilyTokensMatchWholeAndCaseSensitively) {
    for (std::string_view text : {"a4varn 2078", "A4VARNX 2078", "A4VAR 2078", "VARN 2078",
                                  "A5VARN 2078", "", "   ", "2078 A4VARN"})
        expectNothingRecognised(parsed(text));
}

TEST(ModelString, AKnownFamilyWithoutUsableIdsAcceptsNoDevice) {
    StartupValues bare = parsed("A4VARN");
    EXPECT_EQ(bare.modelFamily, kModelFamilyA4);
    EXPECT_TRUE(bare.acceptedProductIds.empty());
    expectKnownFamilyCounts(bare);

    EXPECT_TRUE(parsed("A4VARN zz 2078").acceptedProductIds.empty());
    // A number stops at the first character that is not a hex digit, and
    // whatever follows cannot be read as the next id.
    EXPECT_EQ(parsed("A4VARN 20g8 2079").acceptedProductIds, std::vector<uint32_t>{0x20});
    EXPECT_EQ(parsed("A4VARN 2078;2079").acceptedProductIds, std::vector<uint32_t>{0x2078});
    EXPECT_EQ(parsed("A4VARN 0x").acceptedProductIds, std::vector<uint32_t>{0});
}

TEST(ModelString, ProductIdsThatOverflowAreRefused) {
    EXPECT_TRUE(parsed("A4VARN 123456789").acceptedProductIds.empty());
    EXPECT_EQ(parsed("A4VARN 2078 100000000").acceptedProductIds, std::vector<uint32_t>{0x2078});
    EXPECT_EQ(parsed("A4VARN 000000002078").acceptedProductIds, std::vector<uint32_t>{0x2078});
    std::string longDigits(5000, 'f');
    EXPECT_TRUE(parsed("A4VARN " + longDigits).acceptedProductIds.empty());
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
