#include "scratch_folder.h"

#include <chrono>
#include <system_error>

namespace {

constexpr int kAttempts = 100;

} // namespace

ScratchFolder::ScratchFolder() {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error)
        return;
    // Several engineers' benchmarks may run at once: the clock makes the
    // name unlikely to be taken, and a taken one is skipped.
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < kAttempts && path_.empty(); ++attempt) {
        const std::filesystem::path candidate =
            base / ("zelt-bench-" + std::to_string(stamp) + "-" + std::to_string(attempt));
        if (std::filesystem::create_directory(candidate, error))
            path_ = candidate;
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    if (!path_.empty())
        std::filesystem::remove_all(path_, error);
}

std::string ScratchFolder::file(std::string_view name) const {
    const std::u8string text = (path_ / std::u8string(name.begin(), name.end())).u8string();
    return std::string(text.begin(), text.end());
}
