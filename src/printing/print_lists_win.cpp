#include "printing/print_lists_win.h"

#include "printing/gdi_canvas_win.h"
#include "printing/print_run.h"
#include "resource_ids.h"
#include "store/machine_charset.h"
#include "win/message_box_win.h"

#include <commdlg.h>

#include <memory>

namespace {

// The printer is asked for when the first list prints, and released with
// the command.
class DialogPrinterChoice : public PrinterChoice {
  public:
    DialogPrinterChoice(HWND owner, unsigned codePage) : owner_(owner), codePage_(codePage) {}
    ~DialogPrinterChoice() override {
        canvas_.reset();
        if (dc_ != nullptr)
            DeleteDC(dc_);
    }
    DialogPrinterChoice(const DialogPrinterChoice&) = delete;
    DialogPrinterChoice& operator=(const DialogPrinterChoice&) = delete;

    PrintCanvas* choosePrinter() override {
        dc_ = ::choosePrinter(owner_);
        if (dc_ == nullptr)
            return nullptr;
        canvas_ = std::make_unique<GdiCanvas>(dc_, codePage_);
        return canvas_.get();
    }

  private:
    HWND owner_;
    unsigned codePage_;
    HDC dc_ = nullptr;
    std::unique_ptr<GdiCanvas> canvas_;
};

CalendarDate today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

} // namespace

HDC choosePrinter(HWND owner) {
    PRINTDLGW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.Flags =
        PD_RETURNDC | PD_DISABLEPRINTTOFILE | PD_COLLATE | PD_NOSELECTION | PD_NOPAGENUMS;
    choice.nCopies = 1;
    const bool confirmed = PrintDlgW(&choice) != FALSE;
    if (choice.hDevMode != nullptr)
        GlobalFree(choice.hDevMode);
    if (choice.hDevNames != nullptr)
        GlobalFree(choice.hDevNames);
    return confirmed ? choice.hDC : nullptr;
}

void printPhoneBookLists(HWND owner, const Workspace& workspace, const PrintSelection& selection) {
    ListSource source;
    source.book = snapshotPhoneBook(workspace.store);
    source.a3Model = workspace.startup.modelFamily == kModelFamilyA3;
    source.date = today();
    DialogPrinterChoice printers(owner, static_cast<unsigned>(pcCodePage(source.book.language)));
    const PrintRunResult result = printSelectedLists(selection, printers, source);
    if (result.pageTooSmall)
        showMessageBox(owner, IDS_PRINT_PAGE_TOO_SMALL, IDS_APP_TITLE, MB_OK | MB_ICONWARNING);
    if (result.printerFailed)
        showMessageBox(owner, IDS_PRINT_FAILED, IDS_APP_TITLE, MB_OK | MB_ICONWARNING);
}
