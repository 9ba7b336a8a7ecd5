#include "settings/select_tray_dialog.h"

#include "resource_ids.h"

namespace {

const ControlRow kRows[] = {
    SETTINGS_RADIO(IDC_TRAY1_DISABLE, selectTray1, 0),
    SETTINGS_RADIO(IDC_TRAY1_ENABLE, selectTray1, 1),
    SETTINGS_RADIO(IDC_TRAY2_DISABLE, selectTray2, 0),
    SETTINGS_RADIO(IDC_TRAY2_ENABLE, selectTray2, 2),
    {.controlId = IDC_SELECT_TRAY2_GROUP},
    // A third tray has no record of its own: its choice is shown, never
    // stored.
    {.controlId = IDC_TRAY3_GROUP},
    {.controlId = IDC_TRAY3_DISABLE},
    {.controlId = IDC_TRAY3_ENABLE},
};

void adjust(const PageContext& context, std::vector<ControlState>& states) {
    const MachineInformation& information = context.mirror.machineInformation;
    for (int id : {IDC_SELECT_TRAY2_GROUP, IDC_TRAY2_DISABLE, IDC_TRAY2_ENABLE})
        findState(states, id)->visible = information.optionTray == 1;
    for (int id : {IDC_TRAY3_GROUP, IDC_TRAY3_DISABLE, IDC_TRAY3_ENABLE})
        findState(states, id)->visible = information.byte10 != 0;
}

const PageDef kDialog{.controls = kRows, .adjust = adjust};

} // namespace

const PageDef& selectTrayDialog() {
    return kDialog;
}
