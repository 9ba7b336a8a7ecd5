#include "workspace/document_files.h"

#include "workspace/document_names.h"
#include "store/data_file.h"
#include "store/dial_entry.h"
#include "store/settings_mirror.h"

namespace {

// One decode of every entry brings the program-dial marks up to date for a
// freshly loaded image; the entries themselves are decoded again whenever a
// view needs them.
void decodeEveryEntry(Workspace& workspace) {
    const int oneTouchKeys = workspace.startup.oneTouchKeyCount;
    for (int key = 0; key < oneTouchKeys; ++key) {
        decodeOneTouch(workspace.mirror, workspace.programDialMarks, key);
    }
    for (int entry = 0; entry < kSpeedDialEntryCount; ++entry) {
        decodeSpeedDial(workspace.mirror, workspace.store, entry);
    }
    for (int key = 0; key < workspace.startup.groupCount; ++key) {
        decodeOneTouchKey(workspace.mirror, workspace.programDialMarks, key);
    }
}

} // namespace

bool loadDocumentFile(Workspace& workspace, const std::string& path) {
    if (!readDataFile(path, workspace.store)) {
        return false;
    }
    unpackStore(workspace.store, workspace.mirror);
    decodeEveryEntry(workspace);
    workspace.currentFilePath = path;
    workspace.displayFileName = fileNamePart(path);
    return true;
}

bool writeDocumentFile(Workspace& workspace, const std::string& path) {
    packStore(workspace.mirror, workspace.store);
    return writeDataFile(path, workspace.store) != 0;
}
