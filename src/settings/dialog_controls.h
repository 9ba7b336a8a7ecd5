#pragma once

#include <string_view>

// What a control of a dialog template is called on screen, as the template
// writes it (access keys and a trailing colon taken off).
struct DialogControlText {
    int templateId = 0;
    int controlId = 0;
    std::string_view label; // the static text that names it, or empty
    std::string_view group; // the group boxes around it, outermost first, " / " between
    std::string_view text;  // its own text (a button, a check box), or empty
};

// The control's texts; nullptr when the template has no such control.
const DialogControlText* findDialogControl(int templateId, int controlId);
