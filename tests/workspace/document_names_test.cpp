#include "workspace/document_names.h"

#include <gtest/gtest.h>

TEST(DocumentNames, SaveAsksOnlyWhileTheNameIsStillTheDefault) {
    EXPECT_TRUE(saveNeedsFileName("NewFile.Dat", "NewFile.Dat"));
    EXPECT_FALSE(saveNeedsFileName("NewFile.Dat", "C:\\data\\NewFile.Dat"));
    EXPECT_FALSE(saveNeedsFileName("office.dat", "C:\\data\\office.dat"));
    // The comparison is case-sensitive: a differently spelled path counts as chosen.
    EXPECT_FALSE(saveNeedsFileName("NewFile.Dat", "NEWFILE.DAT"));
    // A plain file name chosen in the dialog equals its own display name.
    EXPECT_TRUE(saveNeedsFileName("office.dat", "office.dat"));
}

TEST(DocumentNames, FileNamePartDropsDriveAndFolders) {
    EXPECT_EQ(fileNamePart("C:\\Users\\me\\office.DAT"), "office.DAT");
    EXPECT_EQ(fileNamePart("Z:/tmp/x/y.dat"), "y.dat");
    EXPECT_EQ(fileNamePart("D:relative.dat"), "relative.dat");
    EXPECT_EQ(fileNamePart("\\\\server\\share\\a b.dat"), "a b.dat");
    EXPECT_EQ(fileNamePart("plain.dat"), "plain.dat");
    EXPECT_EQ(fileNamePart("C:\\folder\\"), "");
    EXPECT_EQ(fileNamePart(""), "");
}
