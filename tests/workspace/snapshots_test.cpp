#include "workspace/snapshots.h"

#include "link/sample_machine_image.h"
#include "store/data_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(Snapshots, NamesSortByTimeAndHoldOnlyWhatAFileNameMay) {
    const SnapshotTime time{2026, 12, 7, 3, 15, 2};
    EXPECT_EQ(snapshotFileName(time, "Reception"), "2026-12-07 031502 Reception.DAT");
    EXPECT_EQ(snapshotFileName(time, "a/b:c*d?\"<>|\\\x01. "),
              "2026-12-07 031502 a_b_c_d_______.DAT");
    EXPECT_EQ(snapshotFileName(time, "", 2), "2026-12-07 031502 _ (2).DAT");
    EXPECT_LT(snapshotFileName({2026, 1, 9, 23, 0, 0}, "Z"), snapshotFileName(time, "A"));

    std::vector<std::string> names = {"notes.txt", "2026-12-07 031502 x.DAT",
                                      "2026-12-07 03150 bad.DAT"};
    for (int day = 1; day <= 21; ++day)
        names.push_back(snapshotFileName({2026, 11, day, 8, 0, 0}, "M"));
    EXPECT_EQ(snapshotsToPrune(names),
              (std::vector<std::string>{"2026-11-01 080000 M.DAT", "2026-11-02 080000 M.DAT"}));
}

TEST(Snapshots, KeepingWritesTheImageNeverOverwritesAndLeavesTheNewestTwenty) {
    const fs::path folder =
        fs::temp_directory_path() /
        ("zelt-snapshots-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())) /
        "Zelt" / "Snapshots";
    fs::remove_all(folder.parent_path().parent_path());
    const RecordStore image = sampleMachineImage();
    std::string first;
    for (int i = 0; i < 22; ++i) {
        const std::string path = keepSnapshot(folder.string(), image, {2026, 12, 7, 3, 15, i / 2});
        ASSERT_FALSE(path.empty());
        if (i == 1) {
            EXPECT_EQ(fs::path(path).filename(), "2026-12-07 031500 Reception (1).DAT");
        }
        if (i == 21)
            first = path;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 20);
    EXPECT_FALSE(fs::exists(folder / "2026-12-07 031500 Reception.DAT"));
    RecordStore reread;
    initStore(reread);
    ASSERT_EQ(readDataFile(first, reread), 1);
    EXPECT_EQ(reread, image);
    fs::remove_all(folder.parent_path().parent_path());
}
