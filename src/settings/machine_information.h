#pragma once

#include "store/text_filters.h"
#include "workspace/workspace.h"

#include <cstdint>
#include <string>
#include <string_view>

// The machine's own name and telephone number, as the Machine Information
// dialog edits them. Texts are bytes in the PC code page of the machine's
// display language.
struct MachineInformationValues {
    std::string name;
    std::string telephoneNumber;
    uint8_t language = 0;  // selects the name filter and the code page
    bool editable = false; // only a loaded image has a name to edit
};

constexpr size_t kStationNameLimit = 32;
constexpr size_t kStationNumberLimit = 20;

MachineInformationValues machineInformationValues(const Workspace& workspace);

// What an edit keeps of a typed text: the filter's characters, cut to the
// field's limit.
FilteredText filterStationName(std::string_view typed, uint8_t language);
FilteredText filterStationNumber(std::string_view typed);

// OK: the texts go into the mirror (never beyond their limits), the two
// records take the texts' lengths, so an Upload sends the whole name, and the
// image follows the mirror. The image is then changed.
void applyMachineInformation(const MachineInformationValues& values, Workspace& workspace);
