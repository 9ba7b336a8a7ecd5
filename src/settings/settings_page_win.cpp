#include "settings/settings_page_win.h"

#include "resource_ids.h"
#include "settings/settings_sheet.h"
#include "win/dialog_win.h"
#include "win/edit_text_win.h"
#include "win/message_box_win.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

#include <commctrl.h>

#include <cwchar>
#include <string>

namespace {

constexpr int kMaxFieldCharacters = 128;

bool holdsItems(HWND combo, const ComboItems& items) {
    if (SendMessageW(combo, CB_GETCOUNT, 0, 0) != static_cast<LRESULT>(items.size()))
        return false;
    for (size_t i = 0; i < items.size(); ++i)
        if (SendMessageW(combo, CB_GETITEMDATA, i, 0) != items[i].value)
            return false;
    return true;
}

// Refilled only when the list itself changed, so a selection change never
// rebuilds the list the user is choosing from.
void showCombo(HWND combo, const ControlState& state) {
    if (!holdsItems(combo, state.items)) {
        SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (const ComboItem& item : state.items) {
            const std::wstring text = loadString(item.textId);
            const LRESULT index =
                SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), item.value);
        }
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(state.selection), 0);
}

void showScrollBar(HWND page, HWND bar, const ControlState& state) {
    SetScrollRange(bar, SB_CTL, state.thumbMinimum, state.thumbMaximum, FALSE);
    if (state.thumb)
        SetScrollPos(bar, SB_CTL, *state.thumb, TRUE);
    if (state.labelId != 0) {
        std::wstring label = std::to_wstring(state.labelValue);
        if (state.unitId != 0)
            label += L" " + loadString(state.unitId);
        SetDlgItemTextW(page, state.labelId, label.c_str());
    }
}

void showEdit(HWND edit, const ControlState& state, unsigned codePage) {
    SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(state.limit), 0);
    const std::wstring text = codePageToWide(state.text.value_or(""), codePage);
    if (dialogItemText(GetParent(edit), GetDlgCtrlID(edit)) != text)
        SetWindowTextW(edit, text.c_str());
}

// A stored 0 shows the fields blank rather than 0.0.0.0.
void showAddress(HWND control, const ControlState& state) {
    SendMessageW(control, IPM_SETRANGE, 0, MAKEIPRANGE(0, 255));
    const uint32_t address = state.address.value_or(0);
    DWORD shown = 0;
    const bool blank = SendMessageW(control, IPM_ISBLANK, 0, 0) != 0;
    SendMessageW(control, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&shown));
    if (address == 0 && !blank)
        SendMessageW(control, IPM_CLEARADDRESS, 0, 0);
    else if (address != 0 && (blank || shown != address))
        SendMessageW(control, IPM_SETADDRESS, 0, static_cast<LPARAM>(address));
}

void showControl(HWND page, HWND control, const ControlState& state, unsigned codePage) {
    if (state.visible)
        ShowWindow(control, *state.visible ? SW_SHOW : SW_HIDE);
    if (state.enabled)
        EnableWindow(control, *state.enabled ? TRUE : FALSE);
    switch (state.kind) {
    case ControlKind::radio:
    case ControlKind::check:
        if (state.check != CheckState::asTemplate)
            SendMessageW(control, BM_SETCHECK,
                         state.check == CheckState::checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case ControlKind::combo:
        showCombo(control, state);
        break;
    case ControlKind::scroll:
        showScrollBar(page, control, state);
        break;
    case ControlKind::text:
    case ControlKind::number:
    case ControlKind::held:
        showEdit(control, state, codePage);
        break;
    case ControlKind::ipAddress:
        showAddress(control, state);
        break;
    case ControlKind::dialog:
    case ControlKind::plain:
        break;
    }
}

bool editChanged(HWND page, const PageDef& definition, PageContext& context, int controlId,
                 unsigned codePage) {
    const CodePageEditText typed = codePageEditText(page, controlId, codePage);
    const EditOutcome outcome = typeText(definition, context, controlId, typed.text);
    if (outcome.shown.removed || typed.removed)
        replaceEditText(page, controlId, outcome.shown.text,
                        outcome.shown.removed ? outcome.shown.caret : typed.caret, codePage);
    return outcome.changed;
}

bool addressChanged(HWND page, const PageDef& definition, PageContext& context, int controlId) {
    DWORD address = 0;
    SendDlgItemMessageW(page, controlId, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    return setAddress(definition, context, controlId, address);
}

bool clicked(HWND page, const PageDef& definition, PageContext& context, int controlId) {
    if (definition.refuseClick != nullptr)
        if (const auto refusal = definition.refuseClick(controlId, context)) {
            reportRefusal(page, *refusal);
            return false;
        }
    return clickControl(definition, context, controlId,
                        IsDlgButtonChecked(page, controlId) == BST_CHECKED);
}

// The Select Tray dialog and its kind: a table of its own over a copy of
// the mirror.
struct PageDialogValues {
    const PageDef* definition = nullptr;
    SettingsMirror mirror;
    uint8_t modelFamily = 0;
};

void showPageDialog(HWND dialog, PageDialogValues& values) {
    PageContext context{values.mirror, values.modelFamily};
    showPageView(dialog, pageView(*values.definition, context), CP_ACP);
}

void pageDialogCommand(HWND dialog, int controlId, int notifyCode, PageDialogValues& values) {
    if (notifyCode != BN_CLICKED)
        return;
    PageContext context{values.mirror, values.modelFamily};
    clickControl(*values.definition, context, controlId,
                 IsDlgButtonChecked(dialog, controlId) == BST_CHECKED);
    showPageDialog(dialog, values);
}

constexpr DialogHooks<PageDialogValues> kPageDialogHooks{.show = showPageDialog,
                                                         .command = pageDialogCommand};

} // namespace

void showPageView(HWND page, const std::vector<ControlState>& states, unsigned codePage) {
    for (const ControlState& state : states)
        if (HWND control = GetDlgItem(page, state.controlId))
            showControl(page, control, state, codePage);
}

void reportRefusal(HWND page, const Refusal& refusal) {
    if (refusal.bounds) {
        wchar_t message[512];
        std::swprintf(message, std::size(message), loadString(refusal.messageId).c_str(),
                      refusal.bounds->first, refusal.bounds->second);
        showMessageBoxText(page, message, IDS_APP_TITLE, MB_OK);
    } else {
        showMessageBox(page, refusal.messageId, IDS_APP_TITLE, MB_OK);
    }
    HWND field = GetDlgItem(page, refusal.controlId);
    SendMessageW(field, EM_SETSEL, 0, -1);
    SetFocus(field);
}

bool pageControlChanged(HWND page, const PageDef& definition, PageContext& context, int controlId,
                        int notifyCode, unsigned codePage) {
    const ControlRow* row = findControl(definition, controlId);
    if (row == nullptr)
        return false;
    switch (row->kind) {
    case ControlKind::text:
    case ControlKind::number:
    case ControlKind::held:
        return notifyCode == EN_CHANGE &&
               editChanged(page, definition, context, controlId, codePage);
    case ControlKind::ipAddress:
        return addressChanged(page, definition, context, controlId);
    case ControlKind::combo:
        return notifyCode == CBN_SELCHANGE && chooseItem(definition, context, controlId,
                                                         static_cast<int>(SendDlgItemMessageW(
                                                             page, controlId, CB_GETCURSEL, 0, 0)));
    case ControlKind::dialog:
        return notifyCode == BN_CLICKED && runPageDialog(page, *row, context);
    case ControlKind::radio:
    case ControlKind::check:
        return notifyCode == BN_CLICKED && clicked(page, definition, context, controlId);
    case ControlKind::scroll:
    case ControlKind::plain:
        break;
    }
    return false;
}

bool runPageDialog(HWND owner, const ControlRow& row, PageContext& context) {
    PageDialogValues values{&row.dialog(), context.mirror, context.modelFamily};
    if (!runModalDialog(owner, row.templateId, kPageDialogHooks, values))
        return false;
    context.mirror = values.mirror;
    return true;
}

bool pageFieldsValid(HWND page, const PageDef& definition, bool report) {
    for (const RangeField& range : definition.rangeFields) {
        HWND field = GetDlgItem(page, range.controlId);
        if (field == nullptr)
            continue;
        wchar_t text[kMaxFieldCharacters + 1] = {};
        GetWindowTextW(field, text, static_cast<int>(std::size(text)));
        const RangeVerdict verdict = checkRange(wideToUtf8(text), range.minimum, range.maximum);
        if (verdict == RangeVerdict::valid)
            continue;
        if (report)
            reportRefusal(page, verdict == RangeVerdict::notAnInteger
                                    ? Refusal{range.controlId, IDS_NOT_AN_INTEGER}
                                    : Refusal{range.controlId, range.messageId,
                                              std::pair{range.minimum, range.maximum}});
        return false;
    }
    return true;
}

ScrollAction scrollActionOf(int code) {
    switch (code) {
    case SB_LINELEFT:
        return ScrollAction::lineLeft;
    case SB_LINERIGHT:
        return ScrollAction::lineRight;
    case SB_PAGELEFT:
        return ScrollAction::pageLeft;
    case SB_PAGERIGHT:
        return ScrollAction::pageRight;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        return ScrollAction::thumb;
    case SB_LEFT:
        return ScrollAction::left;
    case SB_RIGHT:
        return ScrollAction::right;
    default:
        return ScrollAction::none;
    }
}
