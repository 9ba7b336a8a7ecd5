#include "settings/settings_sheet_win.h"

#include "resource_ids.h"
#include "settings/settings_page_win.h"
#include "settings/settings_sheet.h"
#include "store/machine_charset.h"
#include "win/message_box_win.h"
#include "win/property_sheet_win.h"

#include <commctrl.h>

#include <vector>

namespace {

struct SheetValues {
    Workspace* workspace = nullptr;
    SheetSession session;
    std::vector<HWND> pageWindows; // null until the sheet first shows a page
    // While the controls are being filled their own notifications (an edit's
    // EN_CHANGE, an IP field after another) are not the user's.
    bool refreshing = false;
};

const PageDef& definitionOf(const SheetValues& values, int pageIndex) {
    return values.session.pages[static_cast<size_t>(pageIndex)]->page();
}

PageContext contextOf(SheetValues& values, int pageIndex) {
    return pageContext(values.session, *values.workspace, pageIndex);
}

unsigned codePageOf(const SheetValues& values) {
    return static_cast<unsigned>(pcCodePage(values.workspace->mirror.language));
}

void refresh(HWND page, int pageIndex, SheetValues& values) {
    values.refreshing = true;
    showPageView(page, pageView(definitionOf(values, pageIndex), contextOf(values, pageIndex)),
                 codePageOf(values));
    values.refreshing = false;
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
    if (definition.open != nullptr) {
        PageContext context = contextOf(values, pageIndex);
        definition.open(context);
    }
    refresh(page, pageIndex, values);
}

void command(HWND page, int pageIndex, int controlId, int notifyCode, SheetValues& values) {
    if (values.refreshing)
        return;
    PageContext context = contextOf(values, pageIndex);
    const bool changed = pageControlChanged(page, definitionOf(values, pageIndex), context,
                                            controlId, notifyCode, codePageOf(values));
    // Focus and other notifications that change nothing leave the controls
    // alone, so an edit keeps its caret.
    if (changed || notifyCode == BN_CLICKED || notifyCode == CBN_SELCHANGE)
        noteChange(page, pageIndex, values, changed);
}

void scroll(HWND page, int pageIndex, HWND bar, int code, int position, SheetValues& values) {
    PageContext context = contextOf(values, pageIndex);
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
    PageContext context = contextOf(values, pageIndex);
    const bool changed = definition.onActivate != nullptr && definition.onActivate(context);
    noteChange(page, pageIndex, values, changed);
}

bool leave(HWND page, int pageIndex, SheetValues& values) {
    const PageDef& definition = definitionOf(values, pageIndex);
    if (!pageFieldsValid(page, definition, true))
        return false;
    PageContext context = contextOf(values, pageIndex);
    if (const auto refusal = leavePage(definition, context)) {
        reportRefusal(page, *refusal);
        return false;
    }
    return true;
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
        if (result.refusal)
            reportRefusal(page, *result.refusal);
        else
            pageFieldsValid(page, definitionOf(values, pageIndex), true);
        return false;
    }
    if (result.outcome == ApplyOutcome::packed)
        for (size_t index = 0; index < values.pageWindows.size(); ++index)
            if (HWND window = values.pageWindows[index]) {
                markPageUnchanged(window);
                // What the pages held back is now stored and shown as such.
                refresh(window, static_cast<int>(index), values);
            }
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
