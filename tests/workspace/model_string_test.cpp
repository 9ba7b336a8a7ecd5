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

TEST(ResourceLibraryPath, SitsBesideTheExecutableNamedByFamily) {
    EXPECT_EQ(resourceLibraryPath("C:\\Program Files\\Zelt\\Zelt.exe", kModelFamilyA4),
              "C:\\Program Files\\Zelt\\A4QELD.DLL");
    EXPECT_EQ(resourceLibraryPath("C:\\Zelt\\Zelt.exe", kModelFamilyA3), "C:\\Zelt\\A3QELD.DLL");
    EXPECT_EQ(resourceLibraryPath("C:\\Zelt\\Zelt.exe", kModelFamilyUnknown),
              "C:\\Zelt\\A4QELD.DLL");
    EXPECT_EQ(resourceLibraryPath("\\\\server\\share\\dir.v2\\Zelt.exe", kModelFamilyA4),
              "\\\\server\\share\\dir.v2\\A4QELD.DLL");
    EXPECT_EQ(resourceLibraryPath("Z:/tmp/run/Zelt.exe", kModelFamilyA4), "Z:/tmp/run/A4QELD.DLL");
    EXPECT_EQ(resourceLibraryPath("C:Zelt.exe", kModelFamilyA4), "C:A4QELD.DLL");
    EXPECT_EQ(resourceLibraryPath("Zelt.exe", kModelFamilyA3), "A3QELD.DLL");
    EXPECT_EQ(resourceLibraryPath("", kModelFamilyA4), "A4QELD.DLL");
}

TEST(BackupFilePath, LiesBesideTheModuleWithTheFamilysName) {
    EXPECT_EQ(backupFilePath("C:\\Program Files\\Zelt\\A4QELD.DLL", kModelFamilyA4),
              "C:\\Program Files\\Zelt\\A4QELD.BAK");
    EXPECT_EQ(backupFilePath("C:\\Zelt\\Zelt.exe", kModelFamilyA3), "C:\\Zelt\\A3QELD.BAK");
    EXPECT_EQ(backupFilePath("C:\\Zelt\\Zelt.exe", kModelFamilyUnknown), "C:\\Zelt\\A4QELD.BAK");
    EXPECT_EQ(backupFilePath("Zelt.exe", kModelFamilyA4), "A4QELD.BAK");
}

TEST(FamilyFileBaseName, UnknownFamilyUsesTheA4Name) {
    EXPECT_EQ(familyFileBaseName(kModelFamilyA4), "A4QELD");
    EXPECT_EQ(familyFileBaseName(kModelFamilyA3), "A3QELD");
    EXPECT_EQ(familyFileBaseName(kModelFamilyUnknown), "A4QELD");
    EXPECT_EQ(familyFileBaseName(200), "A4QELD");
}
