#pragma once

#include "store/settings_mirror.h"

#include <string>
#include <vector>

// What the Machine Status dialog shows of the machine information record:
// one string-table text per installed option, and the memory size.
struct OptionStatusLine {
    int controlId;
    int stringId;
    bool operator==(const OptionStatusLine&) const = default;
};

std::vector<OptionStatusLine> machineOptionLines(const MachineInformation& information);

// The main memory in Mbytes, as an unsigned decimal number.
std::string machineMemoryText(const MachineInformation& information);
