#include "app/shutdown.h"

#include "resource_ids.h"

namespace {

constexpr std::string_view kPathPlaceholder = "%s";

} // namespace

std::string saveQuestionText(std::string_view questionTemplate, std::string_view filePath) {
    std::string text(questionTemplate);
    const size_t placeholder = text.find(kPathPlaceholder);
    if (placeholder != std::string::npos)
        text.replace(placeholder, kPathPlaceholder.size(), filePath);
    return text;
}

ShutdownStep shutdownStep(SaveAnswer answer, std::string_view currentFilePath,
                          std::string_view defaultFileName) {
    switch (answer) {
    case SaveAnswer::cancel:
        return {true, 0};
    case SaveAnswer::yes:
        return {false, currentFilePath != defaultFileName ? IDM_SAVE : IDM_SAVE_AS};
    case SaveAnswer::no:
        break;
    }
    return {false, 0};
}
