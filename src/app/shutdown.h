#pragma once

#include <string>
#include <string_view>

// The decisions of the close sequence, apart from the window they close.

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
