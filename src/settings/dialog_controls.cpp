#include "settings/dialog_controls.h"

#include "resource_ids.h"

namespace {

// Read from the templates when the program is built.
constexpr DialogControlText kControls[] = {
#define DIALOG_CONTROL(templateId, controlId, label, group, text)                                  \
    {templateId, controlId, label, group, text},
#include "dialog_controls.inc"
#undef DIALOG_CONTROL
};

} // namespace

const DialogControlText* findDialogControl(int templateId, int controlId) {
    for (const DialogControlText& control : kControls)
        if (control.templateId == templateId && control.controlId == controlId)
            return &control;
    return nullptr;
}
