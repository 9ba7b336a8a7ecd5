#pragma once

#include "settings/page_table.h"

// "Select Tray": which paper trays the machine may print received faxes on.
const PageDef& selectTrayDialog();
