#include "app/import_preview_dialog_win.h"

#include "app/exchange_file_dialog_win.h"
#include "phonebook/register_form.h"
#include "resource_ids.h"
#include "store/file_access.h"
#include "win/dialog_win.h"
#include "win/list_view_win.h"
#include "win/message_box_win.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

namespace {

struct Column {
    int titleId;
    int width;
};

constexpr Column kColumns[] = {
    {IDS_IMPORT_COLUMN_LINE, 40},     {IDS_IMPORT_COLUMN_PLACE, 100},
    {IDS_IMPORT_COLUMN_NAME, 120},    {IDS_IMPORT_COLUMN_DESTINATION, 130},
    {IDS_IMPORT_COLUMN_OUTCOME, 110}, {IDS_IMPORT_COLUMN_WHY, 400},
};

std::string utf8String(int id) {
    return wideToUtf8(loadString(id));
}

std::vector<std::wstring> cellsOf(const PlannedRow& row) {
    const std::wstring place = row.target < 0 ? std::wstring()
                                              : loadString(plannedKindStringId(row)) + L" " +
                                                    utf8ToWide(plannedPlaceNumber(row));
    return {std::to_wstring(row.line),
            place,
            utf8ToWide(row.name),
            utf8ToWide(row.destination),
            loadString(rowOutcomeStringId(row.outcome)),
            utf8ToWide(plannedRowWhy(row, utf8String))};
}

void showPlan(HWND dialog, const ImportPreview& preview) {
    HWND list = GetDlgItem(dialog, IDC_IMPORT_ROWS);
    ListView_DeleteAllItems(list);
    int index = 0;
    for (const PlannedRow& row : preview.plan.rows) {
        std::vector<std::wstring> cells = cellsOf(row);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = cells[0].data();
        ListView_InsertItem(list, &item);
        for (size_t column = 1; column < cells.size(); ++column)
            ListView_SetItemText(list, index, static_cast<int>(column), cells[column].data());
        ++index;
    }
    const std::string summary = fillRangeMessage(utf8String(IDS_IMPORT_SUMMARY),
                                                 static_cast<int>(storedRowCount(preview.plan)),
                                                 static_cast<int>(preview.plan.rows.size()));
    SetDlgItemTextW(dialog, IDC_IMPORT_SUMMARY, utf8ToWide(summary).c_str());
}

void replan(HWND dialog, ImportPreview& preview, ImportMode mode) {
    preview.plan = planImport(*preview.mirror, preview.rows, mode, preview.today);
    showPlan(dialog, preview);
}

void show(HWND dialog, ImportPreview& preview) {
    HWND list = GetDlgItem(dialog, IDC_IMPORT_ROWS);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    int index = 0;
    for (const Column& column : kColumns)
        insertListColumn(list, index++, column.titleId, column.width);
    CheckRadioButton(dialog, IDC_IMPORT_MODE_ADD, IDC_IMPORT_MODE_REPLACE,
                     preview.plan.mode == ImportMode::replace ? IDC_IMPORT_MODE_REPLACE
                                                              : IDC_IMPORT_MODE_ADD);
    showPlan(dialog, preview);
}

void saveReport(HWND dialog, const ImportPreview& preview) {
    std::string path;
    if (!exchangeFileDialog(dialog, path, ExchangeFileDialog::saveReport))
        return;
    const std::string report = importReportCsv(preview.plan, utf8String);
    if (!writeNewFile(path, {reinterpret_cast<const uint8_t*>(report.data()), report.size()}))
        showMessageBox(dialog, IDS_IMPORT_REPORT_FAILED, IDS_APP_TITLE, MB_OK);
}

void command(HWND dialog, int controlId, int notifyCode, ImportPreview& preview) {
    if (notifyCode != BN_CLICKED)
        return;
    switch (controlId) {
    case IDC_IMPORT_MODE_ADD:
        replan(dialog, preview, ImportMode::add);
        break;
    case IDC_IMPORT_MODE_REPLACE:
        replan(dialog, preview, ImportMode::replace);
        break;
    case IDC_IMPORT_SAVE_REPORT:
        saveReport(dialog, preview);
        break;
    default:
        break;
    }
}

constexpr DialogHooks<ImportPreview> kHooks{.show = show, .command = command};

} // namespace

bool showImportPreview(HWND owner, ImportPreview& preview) {
    return runModalDialog(owner, IDD_IMPORT_PREVIEW, kHooks, preview);
}
