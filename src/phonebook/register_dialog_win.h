#pragma once

#include "phonebook/register_form.h"

#include <windows.h>

// The One Touch and Speed Dial register dialog (712) over `form`. True when
// the user confirmed a valid entry; `form` then holds it. Cancel leaves
// `form` as it was.
bool showRegisterDialog(HWND owner, RegisterForm& form);
