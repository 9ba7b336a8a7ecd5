#pragma once

#include "settings/page_table.h"

// "Scanner Setting": the scan-to-e-mail defaults.
const PageDef& scannerSettingPage();
