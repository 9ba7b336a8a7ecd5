#include "app/exchange_file_dialog_win.h"

#include "resource_ids.h"
#include "win/file_dialog_win.h"

namespace {

constexpr FileFilter kBookFilters[] = {{IDS_EXCHANGE_CSV_FILTER, L"*.csv"},
                                       {IDS_EXCHANGE_VCARD_FILTER, L"*.vcf"}};
constexpr FileFilter kReportFilters[] = {{IDS_IMPORT_REPORT_FILTER, L"*.csv"}};

} // namespace

bool exchangeFileDialog(HWND owner, std::string& path, ExchangeFileDialog kind) {
    switch (kind) {
    case ExchangeFileDialog::exportBook:
        return askForFile(owner, path, {kBookFilters, IDS_EXPORT_PHONE_BOOK, L"csv", {}, true});
    case ExchangeFileDialog::importBook:
        return askForFile(owner, path, {kBookFilters, IDS_IMPORT_PHONE_BOOK, L"csv", {}, false});
    case ExchangeFileDialog::saveReport:
        return askForFile(owner, path, {kReportFilters, 0, L"csv", {}, true});
    }
    return false;
}
