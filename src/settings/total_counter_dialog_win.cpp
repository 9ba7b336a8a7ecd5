#include "settings/total_counter_dialog_win.h"

#include "resource_ids.h"
#include "settings/total_counter.h"
#include "win/dialog_win.h"
#include "win/win_text_win.h"

namespace {

using CounterLines = std::array<CounterLine, kShownCounterCount>;

void show(HWND dialog, CounterLines& lines) {
    for (const CounterLine& line : lines)
        SetDlgItemTextW(dialog, line.controlId, utf8ToWide(line.text).c_str());
    SetFocus(GetDlgItem(dialog, IDOK));
}

constexpr DialogHooks<CounterLines> kHooks{.show = show};

} // namespace

void showTotalCounterDialog(HWND owner, const RecordStore& store) {
    CounterLines lines = totalCounterLines(store);
    runModalDialog(owner, IDD_TOTAL_COUNTER, kHooks, lines);
}
