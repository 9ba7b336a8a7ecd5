#include "app/about_win.h"

#include "resource_ids.h"
#include "win/dialog_win.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

namespace {

// The About box shows fixed texts: nothing goes in or comes out.
struct AboutValues {};

void setTextFromExecutable(HWND dialog, int controlId, int stringId) {
    const std::wstring text = loadResourceString(executableModule(), stringId);
    SetDlgItemTextW(dialog, controlId, text.c_str());
}

void showAbout(HWND dialog, AboutValues&) {
    // The product line and the notice identify this build, so they come from
    // the executable even when a resource library supplies everything else.
    setTextFromExecutable(dialog, IDC_ABOUT_NOTICE, IDS_NOTICE_LINE);
    setTextFromExecutable(dialog, IDC_ABOUT_PRODUCT, IDS_PRODUCT_VERSION);
    SetFocus(GetDlgItem(dialog, IDOK));
}

} // namespace

void showAboutBox(HWND owner) {
    static constexpr DialogHooks<AboutValues> kHooks{.show = showAbout};
    AboutValues values;
    runModalDialog(owner, IDD_ABOUT, kHooks, values);
}
