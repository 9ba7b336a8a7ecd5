#include "settings/settings_sheet_win.h"

#include "resource_ids.h"
#include "settings/settings_page_win.h"
#include "settings/settings_sheet.h"
#include "win/message_box_win.h"
#include "win/property_sheet_win.h"

#include <commctrl.h>

#include <vector>

namespace {

struct SheetValues {
    Workspace* workspace = nullptr;
    SheetSession session;
    std::vector<HWND> pageWindows; // null until the sheet first shows a page
};

const PageDef& definitionOf(const SheetValues& values, int pageIndex) {
    return values.session.pages[static_cast<size_t>(pageIndex)]->page();
}

PageContext contextOf(SheetValues& values) {
    return PageContext{values.workspace->mirror, values.workspace->startup.modelFamily};
}

void refresh(HWND page, int pageIndex, SheetValues& values) {
    showPageView(page, pageView(definitionOf(values, pageIndex), contextOf(values)));
}

void noteChange(HWND page, int pageIndex, SheetValues& values, bool changed) {
    if (changed) {
        values.session.pending[static_cast<size_t>(pageIndex)] = true;
        markPageChanged(page);
    }
    refresh(page, pageIndex, values);
}

void show(HWND page, int pageIndex, SheetValues& values) {
    values.pageWindows[static_cast<size_t>(pageIndex)] = page;
    const PageDef& definition = definitionOf(values, pageIndex);
    if (definition.noticeOnShow != nullptr)
        if (const int notice = definition.noticeOnShow(values.workspace->mirror))
            showMessageBox(page, notice, IDS_ERROR_CAPTION, MB_OK | MB_ICONWARNING);
    refresh(page, pageIndex, values);
}

// Buttons act on a click and combo boxes on a new selection; focus and
// other notifications change nothing.
void command(HWND page, int pageIndex, int controlId, int notifyCode, SheetValues& values) {
    PageContext context = contextOf(values);
    const PageDef& definition = definitionOf(values, pageIndex);
    bool changed = false;
    if (notifyCode == BN_CLICKED)
        changed = clickControl(definition, context, controlId,
                               IsDlgButtonChecked(page, controlId) == BST_CHECKED);
    else if (notifyCode == CBN_SELCHANGE)
        changed =
            chooseItem(definition, context, controlId,
                       static_cast<int>(SendDlgItemMessageW(page, controlId, CB_GETCURSEL, 0, 0)));
    else
        return;
    noteChange(page, pageIndex, values, changed);
}

void scroll(HWND page, int pageIndex, HWND bar, int code, int position, SheetValues& values) {
    PageContext context = contextOf(values);
    const bool changed = scrollControl(definitionOf(values, pageIndex), context, GetDlgCtrlID(bar),
                                       scrollActionOf(code), position);
    // Shown again even unchanged: the thumb goes back to a position that
    // stands for the stored value.
    noteChange(page, pageIndex, values, changed);
}

// Settings that depend on other pages (the header on the country) are shown
// afresh each time the page comes up.
void activate(HWND page, int pageIndex, SheetValues& values) {
    const PageDef& definition = definitionOf(values, pageIndex);
    PageContext context = contextOf(values);
    const bool changed = definition.onActivate != nullptr && definition.onActivate(context);
    noteChange(page, pageIndex, values, changed);
}

bool leave(HWND page, int pageIndex, SheetValues& values) {
    return pageFieldsValid(page, definitionOf(values, pageIndex), true);
}

// The sheet asks every page it has shown in turn. The first asked decides
// for all: every pending page is checked, and only when all pass is the
// mirror packed. A refusing page answers for itself when its turn comes, so
// the sheet shows it with its message.
bool apply(HWND page, int pageIndex, SheetValues& values) {
    const ApplyResult result = applySheet(values.session, *values.workspace, [&](int pending) {
        HWND window = values.pageWindows[static_cast<size_t>(pending)];
        return pageFieldsValid(window, definitionOf(values, pending), false);
    });
    if (result.outcome == ApplyOutcome::refused) {
        if (result.refusedPage != pageIndex)
            return true;
        pageFieldsValid(page, definitionOf(values, pageIndex), true);
        return false;
    }
    if (result.outcome == ApplyOutcome::packed)
        for (HWND window : values.pageWindows)
            if (window != nullptr)
                markPageUnchanged(window);
    return true;
}

constexpr SheetHooks<SheetValues> kHooks{.show = show,
                                         .command = command,
                                         .scroll = scroll,
                                         .activate = activate,
                                         .leave = leave,
                                         .apply = apply};

} // namespace

void runSettingsSheet(HWND owner, Workspace& workspace) {
    SheetValues values{&workspace, openSheetSession(workspace.mirror.machineInformation), {}};
    values.pageWindows.assign(values.session.pages.size(), nullptr);
    std::vector<int> templates;
    for (const SheetPageRow* row : values.session.pages)
        templates.push_back(row->templateId);
    runPropertySheet(owner, IDS_MENU, templates, kHooks, values);
    // Edits that were never applied must not reach the image through the
    // next editor that packs the mirror.
    unpackStore(workspace.store, workspace.mirror);
}
