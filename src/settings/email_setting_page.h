#pragma once

#include "settings/page_table.h"

// "E-Mail Setting": how the machine sends e-mail.
const PageDef& emailSettingPage();
