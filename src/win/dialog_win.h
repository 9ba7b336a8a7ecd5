#pragma once

#include <windows.h>

#include <commctrl.h>

#include <utility>

// One way to write a modal dialog: a function that takes the owner window
// and a plain struct of values and returns whether the user accepted. The
// portable side decides what the values mean; the hooks only move them
// between the struct and the controls. The dialog works on a copy, so
// Cancel (or a dialog that cannot be made) leaves the caller's values as
// they were. docs/dialogs.md shows a whole dialog written this way.
template <typename Values> struct DialogHooks {
    // WM_INITDIALOG: copy the values into the controls. A hook that moves the
    // focus keeps it; otherwise the first tab stop gets it.
    void (*show)(HWND dialog, Values& values) = nullptr;
    // A control's WM_COMMAND other than OK and Cancel: an edit changed, a
    // button was pressed.
    void (*command)(HWND dialog, int controlId, int notifyCode, Values& values) = nullptr;
    // OK: read the controls into the values; false keeps the dialog open
    // (the hook has told the user why).
    bool (*accept)(HWND dialog, Values& values) = nullptr;
    // WM_NOTIFY from a control; the result is the message's answer.
    LRESULT (*notify)(HWND dialog, const NMHDR& header, Values& values) = nullptr;
    // The dialog is going, whichever way: release what `show` made.
    void (*release)(HWND dialog, Values& values) = nullptr;
};

namespace dialog_detail {

// The hooks with their value type erased, so one dialog procedure serves
// every dialog.
struct Binding {
    void* values = nullptr;
    const void* hooks = nullptr;
    void (*show)(HWND, Binding&) = nullptr;
    void (*command)(HWND, int, int, Binding&) = nullptr;
    bool (*accept)(HWND, Binding&) = nullptr;
    LRESULT (*notify)(HWND, const NMHDR&, Binding&) = nullptr;
    void (*release)(HWND, Binding&) = nullptr;
};

// Runs the dialog `templateId` of the resource module; true when it ended
// with an accepted OK.
bool runBoundDialog(HWND owner, int templateId, Binding& binding);

template <typename Values> struct Typed {
    static const DialogHooks<Values>& hooks(Binding& b) {
        return *static_cast<const DialogHooks<Values>*>(b.hooks);
    }
    static Values& values(Binding& b) { return *static_cast<Values*>(b.values); }
    static void show(HWND d, Binding& b) {
        if (hooks(b).show)
            hooks(b).show(d, values(b));
    }
    static void command(HWND d, int id, int code, Binding& b) {
        if (hooks(b).command)
            hooks(b).command(d, id, code, values(b));
    }
    static bool accept(HWND d, Binding& b) {
        return hooks(b).accept == nullptr || hooks(b).accept(d, values(b));
    }
    static LRESULT notify(HWND d, const NMHDR& header, Binding& b) {
        return hooks(b).notify ? hooks(b).notify(d, header, values(b)) : 0;
    }
    static void release(HWND d, Binding& b) {
        if (hooks(b).release)
            hooks(b).release(d, values(b));
    }
};

} // namespace dialog_detail

template <typename Values>
bool runModalDialog(HWND owner, int templateId, const DialogHooks<Values>& hooks, Values& values) {
    using Typed = dialog_detail::Typed<Values>;
    Values working = values;
    dialog_detail::Binding binding{&working,      &hooks,          Typed::show,   Typed::command,
                                   Typed::accept, Typed::notify, Typed::release};
    if (!dialog_detail::runBoundDialog(owner, templateId, binding))
        return false;
    values = std::move(working);
    return true;
}
