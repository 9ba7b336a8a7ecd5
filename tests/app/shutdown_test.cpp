#include "app/shutdown.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

TEST(Shutdown, SaveQuestionNamesTheFileOnce) {
    EXPECT_EQ(saveQuestionText("Is Change %s Saved ?", "NewFile.Dat"),
              "Is Change NewFile.Dat Saved ?");
    // A path that itself holds format characters is inserted as plain text.
    EXPECT_EQ(saveQuestionText("Is Change %s Saved ?", "C:\\100%s %d\\a.DAT"),
              "Is Change C:\\100%s %d\\a.DAT Saved ?");
    // A translated question without the placeholder is shown as it is.
    EXPECT_EQ(saveQuestionText("Save?", "x.DAT"), "Save?");
}

TEST(Shutdown, AnswersDecideWhetherAndHowToSave) {
    ShutdownStep cancel = shutdownStep(SaveAnswer::cancel, "C:\\a.DAT", "NewFile.Dat");
    EXPECT_TRUE(cancel.keepRunning);
    EXPECT_EQ(cancel.saveCommandId, 0);

    ShutdownStep no = shutdownStep(SaveAnswer::no, "C:\\a.DAT", "NewFile.Dat");
    EXPECT_FALSE(no.keepRunning);
    EXPECT_EQ(no.saveCommandId, 0);

    EXPECT_EQ(shutdownStep(SaveAnswer::yes, "C:\\a.DAT", "NewFile.Dat").saveCommandId, IDM_SAVE);
    EXPECT_EQ(shutdownStep(SaveAnswer::yes, "NewFile.Dat", "NewFile.Dat").saveCommandId,
              IDM_SAVE_AS);
    // Case matters: a file the user named "newfile.dat" has a name of its own.
    EXPECT_EQ(shutdownStep(SaveAnswer::yes, "newfile.dat", "NewFile.Dat").saveCommandId, IDM_SAVE);
    EXPECT_FALSE(shutdownStep(SaveAnswer::yes, "NewFile.Dat", "NewFile.Dat").keepRunning);
}
