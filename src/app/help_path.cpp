#include "app/help_path.h"

namespace {

constexpr std::string_view kHelpFileName = "pyrite.chm";

} // namespace

std::string helpFilePathBeside(std::string_view moduleFilePath) {
    const size_t folderEnd = moduleFilePath.find_last_of("\\/:");
    std::string path(folderEnd == std::string_view::npos ? std::string_view{}
                                                         : moduleFilePath.substr(0, folderEnd + 1));
    path += kHelpFileName;
    return path;
}
