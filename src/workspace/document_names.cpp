#include "workspace/document_names.h"

bool saveNeedsFileName(std::string_view displayFileName, std::string_view currentFilePath) {
    return displayFileName == currentFilePath;
}

std::string fileNamePart(std::string_view path) {
    const size_t lastSeparator = path.find_last_of("\\/:");
    if (lastSeparator == std::string_view::npos) {
        return std::string(path);
    }
    return std::string(path.substr(lastSeparator + 1));
}

std::string documentWindowTitle(std::string_view applicationTitle,
                                std::string_view displayFileName) {
    std::string title(applicationTitle);
    title += " - ";
    title += displayFileName;
    return title;
}
