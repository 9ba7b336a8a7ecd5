#pragma once

#include "settings/page_table.h"

// "TX Operation": scan contrast, resolution and the header.
const PageDef& txOperationPage();

// The header value the machine uses whatever the user chooses in USA,
// Canada and Korea.
constexpr uint8_t kHeaderOn = 2;

// USA, Canada and Korea always print the header.
bool countryForcesHeader(uint8_t countryCode);
