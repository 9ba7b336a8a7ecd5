#pragma once

#include <windows.h>

#include <commctrl.h>

#include <span>

// One way to run a modal property sheet: its pages are dialog templates, and
// one set of hooks serves every page over a values struct they share, told
// which page (by its index in the sheet) a message is for. Unlike a dialog
// the sheet works on the caller's values directly, since Apply commits while
// the sheet stays open; the caller decides what Cancel leaves behind.
template <typename Values> struct SheetHooks {
    // WM_INITDIALOG of a page, when the sheet first shows it.
    void (*show)(HWND page, int pageIndex, Values& values) = nullptr;
    // A control's WM_COMMAND.
    void (*command)(HWND page, int pageIndex, int controlId, int notifyCode,
                    Values& values) = nullptr;
    // WM_HSCROLL from a scroll bar control: its SB_ code and thumb position.
    void (*scroll)(HWND page, int pageIndex, HWND bar, int code, int position,
                   Values& values) = nullptr;
    // The page becomes the current one.
    void (*activate)(HWND page, int pageIndex, Values& values) = nullptr;
    // The page is left (another tab, OK); false keeps it current (the hook
    // has told the user why).
    bool (*leave)(HWND page, int pageIndex, Values& values) = nullptr;
    // OK or Apply, for every page shown so far; false refuses, and the sheet
    // stays open on this page.
    bool (*apply)(HWND page, int pageIndex, Values& values) = nullptr;
};

namespace sheet_detail {

struct Binding {
    void* values = nullptr;
    const void* hooks = nullptr;
    void (*show)(HWND, int, Binding&) = nullptr;
    void (*command)(HWND, int, int, int, Binding&) = nullptr;
    void (*scroll)(HWND, int, HWND, int, int, Binding&) = nullptr;
    void (*activate)(HWND, int, Binding&) = nullptr;
    bool (*leave)(HWND, int, Binding&) = nullptr;
    bool (*apply)(HWND, int, Binding&) = nullptr;
};

// Runs the sheet with the caption `captionId` and one page per template of
// the resource module; false when it could not be made.
bool runBoundSheet(HWND owner, int captionId, std::span<const int> templateIds, Binding& binding);

template <typename Values> struct Typed {
    static const SheetHooks<Values>& hooks(Binding& b) {
        return *static_cast<const SheetHooks<Values>*>(b.hooks);
    }
    static Values& values(Binding& b) { return *static_cast<Values*>(b.values); }
    static void show(HWND p, int i, Binding& b) {
        if (hooks(b).show)
            hooks(b).show(p, i, values(b));
    }
    static void command(HWND p, int i, int id, int code, Binding& b) {
        if (hooks(b).command)
            hooks(b).command(p, i, id, code, values(b));
    }
    static void scroll(HWND p, int i, HWND bar, int code, int position, Binding& b) {
        if (hooks(b).scroll)
            hooks(b).scroll(p, i, bar, code, position, values(b));
    }
    static void activate(HWND p, int i, Binding& b) {
        if (hooks(b).activate)
            hooks(b).activate(p, i, values(b));
    }
    static bool leave(HWND p, int i, Binding& b) {
        return hooks(b).leave == nullptr || hooks(b).leave(p, i, values(b));
    }
    static bool apply(HWND p, int i, Binding& b) {
        return hooks(b).apply == nullptr || hooks(b).apply(p, i, values(b));
    }
};

} // namespace sheet_detail

template <typename Values>
bool runPropertySheet(HWND owner, int captionId, std::span<const int> templateIds,
                      const SheetHooks<Values>& hooks, Values& values) {
    using Typed = sheet_detail::Typed<Values>;
    sheet_detail::Binding binding{&values,       &hooks,          Typed::show,  Typed::command,
                                  Typed::scroll, Typed::activate, Typed::leave, Typed::apply};
    return sheet_detail::runBoundSheet(owner, captionId, templateIds, binding);
}

// Tells the sheet that `page` holds edits: it enables Apply.
void markPageChanged(HWND page);
// Tells the sheet that `page` holds no edits any more.
void markPageUnchanged(HWND page);
