#include "settings/machine_status_dialog_win.h"

#include "resource_ids.h"
#include "settings/machine_status.h"
#include "win/dialog_win.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

namespace {

void show(HWND dialog, MachineInformation& information) {
    for (const OptionStatusLine& line : machineOptionLines(information))
        SetDlgItemTextW(dialog, line.controlId, loadString(line.stringId).c_str());
    SetDlgItemTextW(dialog, IDC_MACHINE_STATUS_MEMORY,
                    utf8ToWide(machineMemoryText(information)).c_str());
    SetFocus(GetDlgItem(dialog, IDOK));
}

constexpr DialogHooks<MachineInformation> kHooks{.show = show};

} // namespace

void showMachineStatusDialog(HWND owner, const MachineInformation& information) {
    MachineInformation shown = information;
    runModalDialog(owner, IDD_MACHINE_STATUS, kHooks, shown);
}
