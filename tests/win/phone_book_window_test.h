#pragma once

#include "harness/harness.h"

#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "phonebook/entry_lists_win.h"
#include "store/dial_entry_test_support.h"

#include <commctrl.h>

#include <string>
#include <vector>

// The real main window with a document loaded and a phone book as the
// register dialogs would leave it:
//   One Touch 01 empty, 02 fax "Office", 03 e-mail "Mail", 04 Group "A"
//   (One Touch 02, Speed Dial 7), 06 program-dial key, 07 Group "B" (One
//   Touch 02); Speed Dial 7 fax "Shop".
class PhoneBookWindowTest : public harness::MainWindowTest {
  protected:
    void SetUp() override {
        harness::MainWindowTest::SetUp();
        oneTouch(1, faxEntry("Office", "0301234"));
        oneTouch(2, emailEntry("Mail", "a@b.example"));
        DialEntry shop = faxEntry("Shop", "555");
        shop.entryClass = kEntryClassSpeedDial;
        encodeSpeedDial(workspace().mirror, workspace().store, shop, 6);
        group(3, "A", {{kMemberKindOneTouch, 1}, {kMemberKindSpeedDial, 6}});
        group(6, "B", {{kMemberKindOneTouch, 1}});
        workspace().mirror.oneTouchTable[5][kEntryFlagsByte] = kFlagOneTouch | kFlagProgramDial;
        // What a successful Open does for the lists.
        workspace().view.documentLoaded = true;
        refreshUiState(mainWindow());
        EnableWindow(shell().tree, TRUE);
        EnableWindow(list(), TRUE);
        SetWindowPos(mainWindow(), nullptr, 0, 0, 760, 520, SWP_NOMOVE | SWP_NOZORDER);
        harness::pumpMessages();
    }

    void oneTouch(int key, DialEntry entry) {
        entry.entryClass = kEntryClassOneTouch;
        encodeOneTouch(workspace().mirror, workspace().store, entry, key);
    }
    void group(int key, const char* name, std::initializer_list<GroupMember> members) {
        encodeGroup(workspace().mirror, groupOf(name, members), key);
    }

    HWND list() { return entryListWindow(mainWindow()); }
    std::vector<std::wstring> row(int index) { return harness::listViewRows(list()).at(index); }
    std::vector<std::wstring> memberRows() {
        std::vector<std::wstring> texts;
        for (const auto& cells : harness::listViewRows(memberListWindow(mainWindow())))
            texts.push_back(cells.at(0));
        return texts;
    }

    // Shows `view` and makes row `index` current, as a click would.
    void selectRow(View view, int index) {
        if (workspace().view.currentView != view)
            selectTreeItem(mainWindow(), view);
        selectEntryRow(list(), index);
        harness::pumpMessages();
    }

    LRESULT command(int commandId) { return harness::sendCommand(mainWindow(), commandId); }
    bool menuEnabled(int commandId) {
        return harness::menuItemState(shell().mainMenu, commandId).enabled;
    }
};
