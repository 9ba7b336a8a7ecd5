#include "app/exchange_file_dialog_win.h"

#include "resource_ids.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

#include <commdlg.h>

#include <array>

namespace {

struct FilterPair {
    int descriptionId;
    const wchar_t* pattern;
};

constexpr FilterPair kBookFilters[] = {{IDS_EXCHANGE_CSV_FILTER, L"*.csv"},
                                       {IDS_EXCHANGE_VCARD_FILTER, L"*.vcf"}};
constexpr FilterPair kReportFilters[] = {{IDS_IMPORT_REPORT_FILTER, L"*.csv"}};

// Description, NUL, pattern, NUL for each pair, then one more NUL.
template <size_t N> std::wstring filterText(const FilterPair (&pairs)[N]) {
    std::wstring filter;
    for (const FilterPair& pair : pairs) {
        filter += loadString(pair.descriptionId);
        filter.push_back(L'\0');
        filter += pair.pattern;
        filter.push_back(L'\0');
    }
    filter.push_back(L'\0');
    return filter;
}

} // namespace

bool exchangeFileDialog(HWND owner, std::string& path, ExchangeFileDialog kind) {
    std::array<wchar_t, MAX_PATH> buffer{};
    utf8ToWide(path).copy(buffer.data(), buffer.size() - 1);
    const std::wstring filter = kind == ExchangeFileDialog::saveReport ? filterText(kReportFilters)
                                                                       : filterText(kBookFilters);
    const std::wstring title = loadString(
        kind == ExchangeFileDialog::importBook ? IDS_IMPORT_PHONE_BOOK : IDS_EXPORT_PHONE_BOOK);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrTitle = kind == ExchangeFileDialog::saveReport ? nullptr : title.c_str();
    dialog.lpstrDefExt = L"csv";
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_LONGNAMES;
    BOOL chosen = FALSE;
    if (kind == ExchangeFileDialog::importBook) {
        dialog.Flags |= OFN_FILEMUSTEXIST;
        chosen = GetOpenFileNameW(&dialog);
    } else {
        dialog.Flags |= OFN_OVERWRITEPROMPT;
        chosen = GetSaveFileNameW(&dialog);
    }
    if (chosen)
        path = wideToUtf8(buffer.data());
    return chosen != FALSE;
}
