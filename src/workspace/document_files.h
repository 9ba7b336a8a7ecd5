#pragma once

#include "workspace/workspace.h"

// The file side of Open, Save and Save As, apart from the dialogs and the
// window they report to. All work on `currentFilePath`.

// Loads the file into the store. On success the mirror, the program-dial
// marks and the shown file name follow the new image. On failure nothing
// but the store's untouched content remains; returns false.
bool loadDocumentFile(Workspace& workspace);

// Brings the image up to date with the mirror and writes it; false when the
// file could not be written.
bool writeDocumentFile(Workspace& workspace);
