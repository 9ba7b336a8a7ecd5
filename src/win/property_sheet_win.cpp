#include "win/property_sheet_win.h"

#include "win/resource_modules_win.h"

#include <string>
#include <vector>

namespace sheet_detail {

namespace {

// What a page's lParam carries: the shared binding and the page's index.
struct PageSlot {
    Binding* binding = nullptr;
    int index = 0;
};

PageSlot* slotOf(HWND page) {
    return reinterpret_cast<PageSlot*>(GetWindowLongPtrW(page, DWLP_USER));
}

INT_PTR answer(HWND page, LONG_PTR result) {
    SetWindowLongPtrW(page, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR onNotify(HWND page, PageSlot& slot, const NMHDR& header) {
    Binding& binding = *slot.binding;
    switch (header.code) {
    case PSN_SETACTIVE:
        binding.activate(page, slot.index, binding);
        return answer(page, 0);
    case PSN_KILLACTIVE:
        // TRUE keeps the page current.
        return answer(page, binding.leave(page, slot.index, binding) ? FALSE : TRUE);
    case PSN_APPLY:
        // PSNRET_INVALID brings the refusing page to the front.
        return answer(page,
                      binding.apply(page, slot.index, binding) ? PSNRET_NOERROR : PSNRET_INVALID);
    default:
        return FALSE;
    }
}

INT_PTR dispatch(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        auto* slot = reinterpret_cast<PageSlot*>(sheetPage->lParam);
        SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(slot));
        slot->binding->show(page, slot->index, *slot->binding);
        return TRUE;
    }
    PageSlot* slot = slotOf(page);
    if (slot == nullptr)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        slot->binding->command(page, slot->index, LOWORD(wParam), HIWORD(wParam), *slot->binding);
        return TRUE;
    case WM_HSCROLL:
        if (lParam == 0)
            return FALSE; // the page's own scroll bar: pages have none
        slot->binding->scroll(page, slot->index, reinterpret_cast<HWND>(lParam), LOWORD(wParam),
                              static_cast<int>(static_cast<short>(HIWORD(wParam))), *slot->binding);
        return TRUE;
    case WM_NOTIFY:
        return onNotify(page, *slot, *reinterpret_cast<const NMHDR*>(lParam));
    default:
        return FALSE;
    }
}

// Nothing unwinds through the system's property sheet: a failure inside a
// hook cancels the sheet.
INT_PTR CALLBACK pageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return dispatch(page, message, wParam, lParam);
    } catch (...) {
        PostMessageW(GetParent(page), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return TRUE;
    }
}

// The sheet centres itself on the screen like every other dialog.
int CALLBACK sheetCallback(HWND, UINT message, LPARAM lParam) {
    if (message == PSCB_PRECREATE && lParam != 0) {
        auto* words = reinterpret_cast<WORD*>(lParam);
        const bool extended = words[1] == 0xFFFF;
        auto* style = reinterpret_cast<DWORD*>(extended ? words + 6 : words);
        *style |= DS_CENTER;
    }
    return 0;
}

} // namespace

bool runBoundSheet(HWND owner, int captionId, std::span<const int> templateIds, Binding& binding) {
    std::vector<PageSlot> slots(templateIds.size());
    std::vector<PROPSHEETPAGEW> pages(templateIds.size());
    for (size_t i = 0; i < templateIds.size(); ++i) {
        slots[i] = {&binding, static_cast<int>(i)};
        PROPSHEETPAGEW& page = pages[i];
        page.dwSize = sizeof(page);
        page.dwFlags = PSP_DEFAULT; // the template's caption is the tab text
        page.hInstance = resourceModule();
        page.pszTemplate = MAKEINTRESOURCEW(templateIds[i]);
        page.pfnDlgProc = pageProc;
        page.lParam = reinterpret_cast<LPARAM>(&slots[i]);
    }
    const std::wstring caption = loadString(captionId);
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOCONTEXTHELP | PSH_USECALLBACK;
    header.hwndParent = owner;
    header.hInstance = resourceModule();
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = 0;
    header.ppsp = pages.data();
    header.pfnCallback = sheetCallback;
    return PropertySheetW(&header) >= 0;
}

} // namespace sheet_detail

void markPageChanged(HWND page) {
    SendMessageW(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
}

void markPageUnchanged(HWND page) {
    SendMessageW(GetParent(page), PSM_UNCHANGED, reinterpret_cast<WPARAM>(page), 0);
}
