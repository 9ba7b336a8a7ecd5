#include "settings/machine_information_dialog_win.h"

#include "resource_ids.h"
#include "store/machine_charset.h"
#include "win/dialog_win.h"
#include "win/edit_text_win.h"
#include "win/win_text_win.h"

namespace {

unsigned codePageOf(const MachineInformationValues& values) {
    return static_cast<unsigned>(pcCodePage(values.language));
}

void show(HWND dialog, MachineInformationValues& values) {
    const unsigned codePage = codePageOf(values);
    SetDlgItemTextW(dialog, IDC_NAME_EDIT, codePageToWide(values.name, codePage).c_str());
    SetDlgItemTextW(dialog, IDC_NUMBER_EDIT,
                    codePageToWide(values.telephoneNumber, codePage).c_str());
    SendDlgItemMessageW(dialog, IDC_NAME_EDIT, EM_LIMITTEXT, kStationNameLimit, 0);
    SendDlgItemMessageW(dialog, IDC_NUMBER_EDIT, EM_LIMITTEXT, kStationNumberLimit, 0);
    for (int control : {IDC_NAME_LABEL, IDC_NAME_EDIT, IDC_TELEPHONE_LABEL, IDC_NUMBER_EDIT})
        EnableWindow(GetDlgItem(dialog, control), values.editable);
    if (values.editable) {
        SendDlgItemMessageW(dialog, IDC_NAME_EDIT, EM_SETSEL, 0, -1);
        SetFocus(GetDlgItem(dialog, IDC_NAME_EDIT));
    } else {
        SetFocus(GetDlgItem(dialog, IDOK));
    }
}

void command(HWND dialog, int controlId, int notifyCode, MachineInformationValues& values) {
    if (notifyCode != EN_CHANGE)
        return;
    const unsigned codePage = codePageOf(values);
    if (controlId == IDC_NAME_EDIT)
        values.name = filterEditText(dialog, controlId, codePage, [&](std::string_view text) {
            return filterStationName(text, values.language);
        });
    else if (controlId == IDC_NUMBER_EDIT)
        values.telephoneNumber = filterEditText(dialog, controlId, codePage, filterStationNumber);
}

constexpr DialogHooks<MachineInformationValues> kHooks{.show = show, .command = command};

} // namespace

bool showMachineInformationDialog(HWND owner, MachineInformationValues& values) {
    return runModalDialog(owner, IDD_MACHINE_INFORMATION, kHooks, values);
}
