#include "app/shutdown.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

// Cancel, No and Yes for a file of its own are proven through the real
// close (MainWindowClose.*); here whether Yes saves in place.
TEST(Shutdown, YesSavesUnderANewNameOnlyWhileTheFileHasTheDefaultName) {
    const ShutdownStep unnamed = shutdownStep(SaveAnswer::yes, "NewFile.Dat", "NewFile.Dat");
    EXPECT_EQ(unnamed.saveCommandId, IDM_SAVE_AS);
    EXPECT_FALSE(unnamed.keepRunning);
    // Case matters: a file the user named "newfile.dat" has a name of its own.
    EXPECT_EQ(shutdownStep(SaveAnswer::yes, "newfile.dat", "NewFile.Dat").saveCommandId, IDM_SAVE);
}
