#pragma once

#include "workspace/workspace.h"

#include <string>

// The backup file keeps the last image from one run to the next: read at
// start-up, written hidden at close and after every Open or Download that
// loaded a document, at the workspace's backupFilePath.

// Where the backup lies by default: beside the module that supplies the
// resources, named after the machine family.
std::string defaultBackupPath(const Workspace& workspace);

// The image of the last run becomes the starting content, but the window
// starts without a loaded document. A missing or unreadable backup leaves a
// freshly initialised image.
void loadShellBackup(Workspace& workspace);

// Failures are not reported: the backup is a convenience, never the user's
// only copy.
void writeShellBackup(const Workspace& workspace);
