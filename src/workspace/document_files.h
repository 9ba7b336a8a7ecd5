#pragma once

#include "workspace/workspace.h"

#include <string>

// The file side of Open, Save and Save As, apart from the dialogs and the
// window they report to. The document's path and shown name change only
// when the file was read or written: a file that failed is never taken for
// the document's own.

// Loads the file at `path` into the store. On success the mirror, the
// program-dial marks, the path and the shown file name follow the new image.
// On failure nothing changes; returns false.
bool loadDocumentFile(Workspace& workspace, const std::string& path);

// Brings the image up to date with the mirror and writes it to `path`;
// false when the file could not be written. The caller decides whether the
// path becomes the document's.
bool writeDocumentFile(Workspace& workspace, const std::string& path);
