#pragma once

// Which phone-book lists the Print command prints, as the user last chose
// them in "Select Print Items".
struct PrintSelection {
    bool oneTouchList = true;
    bool speedDialList = true;
    bool groupList = true;
    bool operator==(const PrintSelection&) const = default;
};
