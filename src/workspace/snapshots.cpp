#include "workspace/snapshots.h"

#include "store/code_page_text.h"
#include "store/data_file.h"
#include "store/dial_entry.h"
#include "store/machine_charset.h"
#include "store/settings_mirror.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxMachineNameLength = 40;
constexpr std::string_view kExtension = ".DAT";
// "YYYY-MM-DD HHMMSS "
constexpr size_t kStampLength = 18;

bool isSnapshotName(std::string_view name) {
    if (name.size() < kStampLength + kExtension.size() || !name.ends_with(kExtension))
        return false;
    constexpr std::string_view kPattern = "dddd-dd-dd dddddd ";
    for (size_t i = 0; i < kStampLength; ++i) {
        const bool digit = name[i] >= '0' && name[i] <= '9';
        if (kPattern[i] == 'd' ? !digit : name[i] != kPattern[i])
            return false;
    }
    return true;
}

fs::path utf8Path(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string utf8Text(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// The station name the image holds, in UTF-8.
std::string machineNameOf(const RecordStore& image) {
    auto mirror = std::make_unique<SettingsMirror>();
    unpackStore(image, *mirror);
    return codePageToUtf8(fieldText(mirror->stationName), pcCodePage(mirror->language));
}

} // namespace

std::string snapshotFileName(const SnapshotTime& time, std::string_view machineName, int attempt) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d%02d%02d ", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    std::string name;
    for (char c : machineName.substr(0, kMaxMachineNameLength)) {
        const bool forbidden = static_cast<unsigned char>(c) < 0x20 ||
                               std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        name += forbidden ? '_' : c;
    }
    // Windows drops trailing dots and spaces from a file name.
    while (!name.empty() && (name.back() == ' ' || name.back() == '.'))
        name.pop_back();
    if (name.empty())
        name = "_";
    if (attempt > 0)
        name += " (" + std::to_string(attempt) + ")";
    return stamp + name + std::string(kExtension);
}

std::vector<std::string> snapshotsToPrune(std::vector<std::string> names, size_t kept) {
    std::erase_if(names, [](const std::string& name) { return !isSnapshotName(name); });
    // The time stamp leads the name, so the newest sort last.
    std::sort(names.begin(), names.end());
    if (names.size() <= kept)
        return {};
    names.resize(names.size() - kept);
    return names;
}

std::string keepSnapshot(const std::string& folder, const RecordStore& image,
                         const SnapshotTime& time) {
    std::error_code error;
    const fs::path directory = utf8Path(folder);
    fs::create_directories(directory, error);
    const std::string machineName = machineNameOf(image);
    std::string written;
    for (int attempt = 0; attempt < 100 && written.empty(); ++attempt) {
        const fs::path file = directory / utf8Path(snapshotFileName(time, machineName, attempt));
        if (!fs::exists(file, error) && writeDataFile(utf8Text(file), image) == 1)
            written = utf8Text(file);
    }
    if (written.empty())
        return {};
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory, error))
        names.push_back(utf8Text(entry.path().filename()));
    for (const std::string& name : snapshotsToPrune(std::move(names)))
        fs::remove(directory / utf8Path(name), error);
    return written;
}
