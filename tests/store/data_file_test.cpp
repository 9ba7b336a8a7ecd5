#include "store/data_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

class DataFile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("zelt-data-file-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string path(const char* name) const { return (folder / name).string(); }

    static void writeBytes(const std::string& file, const std::vector<uint8_t>& bytes) {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    static std::vector<uint8_t> readBytes(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // One record as it lies in a file.
    static std::vector<uint8_t> record(uint32_t id, uint32_t length, uint8_t fill) {
        std::vector<uint8_t> bytes(kRecordSize, fill);
        for (int i = 0; i < 4; ++i) {
            bytes[i] = static_cast<uint8_t>(id >> (8 * i));
            bytes[4 + i] = static_cast<uint8_t>(length >> (8 * i));
        }
        return bytes;
    }

    fs::path folder;
};

RecordStore filledStore() {
    RecordStore store;
    initStore(store);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        store.slots[slot].payloadLength = static_cast<uint32_t>(slot + 1);
        for (int i = 0; i < kPayloadSize; ++i)
            store.slots[slot].payload[i] = static_cast<uint8_t>(slot + i);
    }
    return store;
}

// Every slot but those in `changed` holds what it held in `before`.
void expectSlotsAsBefore(const RecordStore& store, const RecordStore& before,
                         std::initializer_list<int> changed = {}) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (std::find(changed.begin(), changed.end(), slot) != changed.end())
            continue;
        EXPECT_EQ(store.slots[slot].payloadLength, before.slots[slot].payloadLength);
        EXPECT_EQ(store.slots[slot].payload, before.slots[slot].payload);
    }
}

} // namespace

TEST_F(DataFile, WrittenFileIsTheImageByteForByteAndReloads) {
    RecordStore store = filledStore();
    ASSERT_EQ(writeDataFile(path("a.dat"), store), 1);
    std::vector<uint8_t> bytes = readBytes(path("a.dat"));
    ASSERT_EQ(bytes.size(), 25760u);
    // Slot 75: id 0x10c00 and its length, both 32-bit little-endian.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 140 * 75, bytes.begin() + 140 * 75 + 8),
              (std::vector<uint8_t>{0x00, 0x0c, 0x01, 0x00, 76, 0, 0, 0}));
    EXPECT_EQ(bytes[140 * 75 + 8 + 131], static_cast<uint8_t>(75 + 131));
    EXPECT_FALSE(fs::exists(path("a.dat.tmp")));

    RecordStore loaded;
    initStore(loaded);
    for (SettingRecord& slot : loaded.slots)
        slot.payload[130] = slot.payload[131] = 0xee;
    ASSERT_EQ(readDataFile(path("a.dat"), loaded), 1);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(loaded.slots[slot].payloadLength, store.slots[slot].payloadLength);
        EXPECT_TRUE(std::equal(loaded.slots[slot].payload.begin(),
                               loaded.slots[slot].payload.begin() + 130,
                               store.slots[slot].payload.begin()));
        // The last two payload bytes keep the store's value.
        EXPECT_EQ(loaded.slots[slot].payload[130], 0xee);
        EXPECT_EQ(loaded.slots[slot].payload[131], 0xee);
    }
}

TEST_F(DataFile, MatchesByIdFirstMatchWinsAndIgnoresTheTrailingPart) {
    std::vector<uint8_t> bytes;
    auto append = [&](const std::vector<uint8_t>& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
    };
    append(record(0x12345, 9, 0x11));   // no such slot
    append(record(0x10c00, 130, 0x22)); // One Touch 1, first copy
    append(record(0x10a05, 5, 0x33));
    append(record(0x10c00, 146, 0x44)); // second copy: ignored
    std::vector<uint8_t> partial = record(0x10c01, 130, 0x55);
    partial.resize(50);
    append(partial);
    writeBytes(path("b.dat"), bytes);

    RecordStore store = filledStore();
    RecordStore before = store;
    ASSERT_EQ(readDataFile(path("b.dat"), store), 1);
    EXPECT_EQ(store.slots[75].payloadLength, 130u);
    EXPECT_EQ(store.slots[75].payload[0], 0x22);
    EXPECT_EQ(store.slots[74].payloadLength, 5u);
    EXPECT_EQ(store.slots[74].payload[129], 0x33);
    // Everything else, the partial record's slot included, is as before.
    expectSlotsAsBefore(store, before, {74, 75});
}

TEST_F(DataFile, RefusesMissingAndOversizedFilesWithoutTouchingTheStore) {
    RecordStore store = filledStore();
    RecordStore before = store;
    EXPECT_EQ(readDataFile(path("missing.dat"), store), 0);
    EXPECT_EQ(readDataFile(folder.string(), store), 0); // a folder is no data file
    ASSERT_EQ(mkfifo(path("pipe.dat").c_str(), 0600), 0);
    EXPECT_EQ(readDataFile(path("pipe.dat"), store), 0); // nor a pipe, and it must not hang
    std::vector<uint8_t> huge = record(0x10c00, 1, 0x66);
    huge.resize(kMaxDataFileSize + 1);
    writeBytes(path("huge.dat"), huge);
    EXPECT_EQ(readDataFile(path("huge.dat"), store), 0);
    writeBytes(path("empty.dat"), {});
    EXPECT_EQ(readDataFile(path("empty.dat"), store), 1);
    expectSlotsAsBefore(store, before);
}

TEST_F(DataFile, FailedWriteKeepsTheOldFileAndReportsZero) {
    RecordStore store = filledStore();
    ASSERT_EQ(writeDataFile(path("keep.dat"), store), 1);
    std::vector<uint8_t> before = readBytes(path("keep.dat"));
    // The temporary file cannot be made: the old file stays as it was.
    fs::create_directories(path("keep.dat.tmp"));
    store.slots[3].payload[0] = 0x41;
    EXPECT_EQ(writeDataFile(path("keep.dat"), store), 0);
    EXPECT_EQ(readBytes(path("keep.dat")), before);
    fs::remove(path("keep.dat.tmp"));
    // The target is a folder that cannot be replaced: the write fails.
    fs::create_directories(folder / "busy.dat" / "inside");
    EXPECT_EQ(writeDataFile(path("busy.dat"), store), 0);
    EXPECT_FALSE(fs::exists(path("busy.dat.tmp")));
    // A folder that does not exist: nothing to create.
    EXPECT_EQ(writeDataFile((folder / "no" / "such.dat").string(), store), 0);
    store.slots[3].payload[0] = 0x42;
    ASSERT_EQ(writeDataFile(path("keep.dat"), store), 1);
    EXPECT_NE(readBytes(path("keep.dat")), before);
    EXPECT_EQ(writeBackupFile(path("A4QELD.BAK"), store), 1);
    EXPECT_EQ(readBytes(path("A4QELD.BAK")), readBytes(path("keep.dat")));
}

TEST(PathBesideFile, KeepsTheFolderAndReplacesTheName) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Program Files\\Zelt\\A4QELD.DLL", "C:\\Program Files\\Zelt\\A4QELD.BAK"},
        {"\\\\server\\share\\dir.v2\\Zelt.exe", "\\\\server\\share\\dir.v2\\A4QELD.BAK"},
        {"/opt/zelt/zelt", "/opt/zelt/A4QELD.BAK"},
        // A drive without a folder keeps the drive; a bare name stays in the current folder.
        {"C:Zelt.exe", "C:A4QELD.BAK"},
        {"Zelt.exe", "A4QELD.BAK"},
        {"", "A4QELD.BAK"},
    };
    for (auto [file, beside] : cases)
        EXPECT_EQ(pathBesideFile(file, "A4QELD.BAK"), beside) << file;
}
