#pragma once

#include "settings/safe_upload.h"

#include <windows.h>

// The "Changes on the machine" dialog. True only when it asks and the user
// answers Yes; a dialog that only compares always returns false.
bool showImageChangesDialog(HWND owner, const ChangesView& view);
