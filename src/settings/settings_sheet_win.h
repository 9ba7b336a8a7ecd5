#pragma once

#include "workspace/workspace.h"

#include <windows.h>

// The machine settings sheet over the workspace's mirror, modal to `owner`.
// Applied pages reach the record image; whatever was not applied when the
// sheet closes is dropped, so the mirror leaves as the image has it.
void runSettingsSheet(HWND owner, Workspace& workspace);
