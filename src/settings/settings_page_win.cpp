#include "settings/settings_page_win.h"

#include "resource_ids.h"
#include "settings/settings_sheet.h"
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
        const std::wstring label =
            std::to_wstring(state.labelValue) + L" " + loadString(state.unitId);
        SetDlgItemTextW(page, state.labelId, label.c_str());
    }
}

void showControl(HWND page, HWND control, const ControlState& state) {
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
    case ControlKind::plain:
        break;
    }
}

void reportRefusal(HWND page, HWND field, const RangeField& range, RangeVerdict verdict) {
    if (verdict == RangeVerdict::notAnInteger) {
        showMessageBox(page, IDS_NOT_AN_INTEGER, IDS_APP_TITLE, MB_OK);
    } else {
        wchar_t message[512];
        std::swprintf(message, std::size(message), loadString(range.messageId).c_str(),
                      range.minimum, range.maximum);
        showMessageBoxText(page, message, IDS_APP_TITLE, MB_OK);
    }
    SendMessageW(field, EM_SETSEL, 0, -1);
    SetFocus(field);
}

} // namespace

void showPageView(HWND page, const std::vector<ControlState>& states) {
    for (const ControlState& state : states)
        if (HWND control = GetDlgItem(page, state.controlId))
            showControl(page, control, state);
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
            reportRefusal(page, field, range, verdict);
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
