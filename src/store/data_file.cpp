#include "store/data_file.h"

#include "store/file_access.h"

#include <cstring>
#include <vector>

namespace {

uint32_t readU32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

void writeU32(uint8_t* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

constexpr size_t kIdOffset = 0;
constexpr size_t kLengthOffset = 4;
constexpr size_t kPayloadOffset = 8;
// The last two payload bytes of a slot are never taken from a file.
constexpr size_t kLoadedPayloadBytes = 130;

} // namespace

void loadDataFileImage(std::span<const uint8_t> bytes, RecordStore& store) {
    size_t recordCount = bytes.size() / kRecordSize;
    for (SettingRecord& slot : store.slots) {
        for (size_t record = 0; record < recordCount; ++record) {
            const uint8_t* stored = bytes.data() + record * kRecordSize;
            if (readU32(stored + kIdOffset) != slot.recordId)
                continue;
            slot.payloadLength = readU32(stored + kLengthOffset);
            std::memcpy(slot.payload.data(), stored + kPayloadOffset, kLoadedPayloadBytes);
            break;
        }
    }
}

int readDataFile(const std::string& path, RecordStore& store) {
    std::vector<uint8_t> bytes;
    if (readFileBytes(path, kMaxDataFileSize, bytes) != FileReadStatus::ok)
        return 0;
    loadDataFileImage(bytes, store);
    return 1;
}

int writeDataFile(const std::string& path, const RecordStore& store) {
    std::vector<uint8_t> bytes(kSlotCount * kRecordSize);
    for (size_t slot = 0; slot < store.slots.size(); ++slot) {
        uint8_t* stored = bytes.data() + slot * kRecordSize;
        writeU32(stored + kIdOffset, store.slots[slot].recordId);
        writeU32(stored + kLengthOffset, store.slots[slot].payloadLength);
        std::memcpy(stored + kPayloadOffset, store.slots[slot].payload.data(), kPayloadSize);
    }
    // The old file stays intact until the new one is complete on disk.
    std::string temporaryPath = path + ".tmp";
    if (!writeNewFile(temporaryPath, bytes) || !replaceFile(temporaryPath, path)) {
        removeFile(temporaryPath);
        return 0;
    }
    return 1;
}

int writeBackupFile(const std::string& path, const RecordStore& store) {
    if (!writeDataFile(path, store))
        return 0;
    setFileHidden(path);
    return 1;
}

std::string pathBesideFile(std::string_view filePath, std::string_view fileName) {
    size_t folderEnd = filePath.find_last_of("\\/:");
    std::string path(folderEnd == std::string_view::npos ? std::string_view{}
                                                         : filePath.substr(0, folderEnd + 1));
    path += fileName;
    return path;
}
