#pragma once

#include <string>
#include <string_view>

// The decisions of the close sequence, apart from the window they close.

// The save question: `questionTemplate` with its "%s" replaced by the file
// path. The path is inserted as text, so a "%" in it is shown unchanged.
std::string saveQuestionText(std::string_view questionTemplate, std::string_view filePath);

enum class SaveAnswer { yes, no, cancel };

struct ShutdownStep {
    bool keepRunning = false; // the user cancelled: nothing else happens
    int saveCommandId = 0;    // the command that saves before closing, or 0
};

// Yes saves in place when the document has a file of its own, otherwise it
// asks for a name; No closes without saving. The comparison with the default
// name is case-sensitive.
ShutdownStep shutdownStep(SaveAnswer answer, std::string_view currentFilePath,
                          std::string_view defaultFileName);
