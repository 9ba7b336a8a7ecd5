#include "app/help_path.h"

#include <gtest/gtest.h>

TEST(HelpPath, TheHelpFileLiesBesideTheResourceModule) {
    EXPECT_EQ(helpFilePathBeside("C:\\Program Files\\Zelt\\A4QELD.DLL"),
              "C:\\Program Files\\Zelt\\pyrite.chm");
    // The module's own name never leaks into the path, whatever its extension.
    EXPECT_EQ(helpFilePathBeside("D:\\tools.v2\\Zelt.exe"), "D:\\tools.v2\\pyrite.chm");
    EXPECT_EQ(helpFilePathBeside("Z:/build/bin/Zelt.exe"), "Z:/build/bin/pyrite.chm");
    // A drive without a folder keeps the drive; a bare name leaves the
    // current folder.
    EXPECT_EQ(helpFilePathBeside("C:Zelt.exe"), "C:pyrite.chm");
    EXPECT_EQ(helpFilePathBeside("Zelt.exe"), "pyrite.chm");
    EXPECT_EQ(helpFilePathBeside(""), "pyrite.chm");
}
