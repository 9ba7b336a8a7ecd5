#include "app/shell_messages_win.h"

#include "app/status_bar_win.h"
#include "resource_ids.h"
#include "win/message_box_win.h"

void showShellMessage(HWND owner, int textId) {
    showMessageBox(owner, textId, IDS_APP_TITLE, MB_OK);
}

bool askShellQuestion(HWND owner, int textId) {
    return showMessageBox(owner, textId, IDS_APP_TITLE, MB_YESNO) == IDYES;
}

void showMachineDataError(HWND owner) {
    showShellMessage(owner, IDS_ERROR_MACHINE_DATA);
    setStatusBarText(owner, kActivityStatusPart, IDS_STATUS_READY);
}

bool reportLinkOutcome(HWND owner, LinkOutcome outcome) {
    if (outcome == LinkOutcome::failed)
        showMachineDataError(owner);
    return outcome == LinkOutcome::done;
}
