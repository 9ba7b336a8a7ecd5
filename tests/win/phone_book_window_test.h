#pragma once

#include "harness/harness.h"

#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "phonebook/entry_lists_win.h"
#include "store/dial_entry_test_support.h"

#include <commctrl.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The enabled state of each item of the popup menu that `call` opens, read
// while it is open and then dismissed without choosing; nothing when no popup
// came up.
using PopupItems = std::map<UINT, bool>;
inline std::optional<PopupItems> seenPopup;
inline void CALLBACK readOpenPopup(HWND, UINT, UINT_PTR, DWORD) {
    HWND popupWindow = FindWindowW(L"#32768", nullptr);
    if (seenPopup || popupWindow == nullptr || !IsWindowVisible(popupWindow))
        return;
    HMENU popup = reinterpret_cast<HMENU>(SendMessageW(popupWindow, MN_GETHMENU, 0, 0));
    seenPopup.emplace();
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        const UINT id = GetMenuItemID(popup, i);
        if (id != 0 && id != static_cast<UINT>(-1))
            (*seenPopup)[id] = (GetMenuState(popup, i, MF_BYPOSITION) & MF_GRAYED) == 0;
    }
    EndMenu();
}
template <class Call> std::optional<PopupItems> popupDuring(Call call) {
    seenPopup.reset();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, readOpenPopup);
    call();
    harness::pumpMessages();
    KillTimer(nullptr, timer);
    return std::exchange(seenPopup, std::nullopt);
}

// The real main window, started without a backup (a fresh store).
class OpenedDocumentTest : public harness::MainWindowTest {
  protected:
    // What a successful Open does for the lists: the document is loaded, the
    // interface refresh shows the tree, and the tree and list are enabled.
    void openDocument() {
        workspace().view.documentLoaded = true;
        refreshUiState(mainWindow());
        EnableWindow(shell().tree, TRUE);
        EnableWindow(entryListWindow(mainWindow()), TRUE);
        SetWindowPos(mainWindow(), nullptr, 0, 0, 760, 520, SWP_NOMOVE | SWP_NOZORDER);
        harness::pumpMessages();
    }

    // Entries as the register dialogs store them.
    void oneTouch(int key, DialEntry entry) {
        entry.entryClass = kEntryClassOneTouch;
        encodeOneTouch(workspace().mirror, workspace().store, entry, key);
    }
    void speedDial(int index, DialEntry entry) {
        entry.entryClass = kEntryClassSpeedDial;
        encodeSpeedDial(workspace().mirror, workspace().store, entry, index);
    }
    void group(int key, const char* name, std::initializer_list<GroupMember> members) {
        encodeGroup(workspace().mirror, groupOf(name, members), key);
    }
};

// The real main window with a document loaded and a phone book as the
// register dialogs would leave it:
//   One Touch 01 empty, 02 fax "Office", 03 e-mail "Mail", 04 Group "A"
//   (One Touch 02, Speed Dial 7), 06 program-dial key, 07 Group "B" (One
//   Touch 02); Speed Dial 7 fax "Shop".
class PhoneBookWindowTest : public OpenedDocumentTest {
  protected:
    void SetUp() override {
        OpenedDocumentTest::SetUp();
        oneTouch(1, faxEntry("Office", "0301234"));
        oneTouch(2, emailEntry("Mail", "a@b.example"));
        speedDial(6, faxEntry("Shop", "555"));
        group(3, "A", {{kMemberKindOneTouch, 1}, {kMemberKindSpeedDial, 6}});
        group(6, "B", {{kMemberKindOneTouch, 1}});
        workspace().mirror.oneTouchTable[5][kEntryFlagsByte] = kFlagOneTouch | kFlagProgramDial;
        openDocument();
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
