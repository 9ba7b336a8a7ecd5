#pragma once

#include "phonebook/group_form.h"

#include <windows.h>

// The Group register dialog (742) over `form`. True when the user confirmed
// a named Group with members; `form` then holds it. Cancel leaves `form` as
// it was.
bool showGroupDialog(HWND owner, GroupForm& form);
