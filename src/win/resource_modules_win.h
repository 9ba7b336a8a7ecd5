#pragma once

#include <windows.h>

#include <string>

// Where the program's resources come from. A resource library beside the
// program supplies the localisable menus, dialogs and strings; the
// executable keeps its own copy of everything, and alone holds the
// program's own texts (ids from 9001 up) that a library may lack.
void setResourceModules(HINSTANCE resourceModule, HINSTANCE executable);

// The resource library when one is loaded, else the executable.
HINSTANCE resourceModule();
HINSTANCE executableModule();

// A string-table text: the resource module's first, then the executable's,
// so an id the library lacks still shows its text. Empty when neither has it.
std::wstring loadString(int id);
