#pragma once

#include "settings/page_table.h"

#include <cstdint>

// "Network Setting": the machine's addresses on the network.
const PageDef& networkSettingPage();

// Addresses as the user typed them, the first field most significant.
// A machine or gateway address: no 0, loopback or multicast network, no
// network or broadcast host.
bool validHostAddress(uint32_t address);
bool validSubnetMask(uint32_t mask);
