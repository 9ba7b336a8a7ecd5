#include "app/shutdown.h"

#include "resource_ids.h"

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
