#include "workspace/document_files.h"

#include "store/data_file.h"
#include "store/dial_entry.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class DocumentFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("zelt-document-files-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        workspace.startup.oneTouchKeyCount = kOneTouchKeyCount;
        workspace.startup.groupCount = kOneTouchKeyCount;
        initStore(workspace.store);
        workspace.displayFileName = "NewFile.Dat";
        workspace.currentFilePath = "NewFile.Dat";
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string path(const char* name) const { return (folder / name).string(); }

    // An image whose machine name is "Office" and whose One Touch key 5 is
    // a program-dial key.
    static RecordStore officeImage() {
        RecordStore image;
        initStore(image);
        SettingRecord& name = image.slots[kStationNameSlot];
        const std::string_view office = "Office";
        std::copy(office.begin(), office.end(), name.payload.begin());
        name.payloadLength = 36;
        SettingRecord& key5 = image.slots[kOneTouchFirstSlot + 5];
        key5.payload[kEntryFlagsByte] = kFlagOneTouch | kFlagProgramDial;
        key5.payloadLength = kOneTouchFaxLength;
        return image;
    }

    fs::path folder;
    Workspace workspace;
};

} // namespace

TEST_F(DocumentFiles, LoadBringsMirrorMarksAndNameUpToDate) {
    ASSERT_EQ(writeDataFile(path("office.dat"), officeImage()), 1);
    workspace.programDialMarks.marks[1] = 1; // key 6, from an earlier image

    ASSERT_TRUE(loadDocumentFile(workspace, path("office.dat")));
    EXPECT_EQ(fieldText(workspace.mirror.stationName), "Office");
    EXPECT_TRUE(isProgramDialMarked(workspace.programDialMarks, 5));
    EXPECT_FALSE(isProgramDialMarked(workspace.programDialMarks, 6));
    EXPECT_EQ(workspace.displayFileName, "office.dat");
    EXPECT_EQ(workspace.currentFilePath, path("office.dat"));
    EXPECT_EQ(workspace.store.slots[kStationNameSlot].payloadLength, 36u);
}

TEST_F(DocumentFiles, FailedLoadKeepsStoreMirrorPathAndName) {
    workspace.store.slots[kStationNameSlot].payload[0] = 'K';
    workspace.mirror.stationName[0] = 'M';
    // Which files the reader refuses is DataFile's business: one suffices here.
    EXPECT_FALSE(loadDocumentFile(workspace, path("missing.dat")));
    EXPECT_EQ(workspace.store.slots[kStationNameSlot].payload[0], 'K');
    EXPECT_EQ(workspace.mirror.stationName[0], 'M');
    EXPECT_EQ(workspace.displayFileName, "NewFile.Dat");
    EXPECT_EQ(workspace.currentFilePath, "NewFile.Dat");
}

TEST_F(DocumentFiles, WriteCarriesMirrorChangesIntoTheFileOrFails) {
    setFieldText(workspace.mirror.stationName, "Branch");
    EXPECT_FALSE(writeDocumentFile(workspace, path("no-such-folder/x.dat")));
    EXPECT_FALSE(fs::exists(path("no-such-folder")));
    ASSERT_TRUE(writeDocumentFile(workspace, path("branch.dat")));
    EXPECT_EQ(workspace.currentFilePath, "NewFile.Dat") << "the caller decides";
    EXPECT_EQ(fs::file_size(path("branch.dat")), 25760u);

    Workspace reloaded;
    reloaded.startup = workspace.startup;
    initStore(reloaded.store);
    ASSERT_TRUE(loadDocumentFile(reloaded, path("branch.dat")));
    EXPECT_EQ(fieldText(reloaded.mirror.stationName), "Branch");
}
