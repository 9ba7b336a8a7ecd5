#pragma once

#include "settings/page_table.h"

// "Communication/Report": dialling, line monitor, the PBX prefix and the
// reports.
const PageDef& communicationPage();
