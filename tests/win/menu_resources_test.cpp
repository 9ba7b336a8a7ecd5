#include "resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HINSTANCE exeModule() {
    return GetModuleHandleW(nullptr);
}

struct MenuItem {
    UINT id;
    std::wstring text;
};

// Separators are left out: the tests compare commands and their texts.
std::vector<MenuItem> commandItems(HMENU menu) {
    std::vector<MenuItem> items;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        MENUITEMINFOW info{sizeof(info)};
        wchar_t text[128] = {};
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 128;
        if (!GetMenuItemInfoW(menu, position, TRUE, &info) || (info.fType & MFT_SEPARATOR))
            continue;
        items.push_back({info.wID, text});
    }
    return items;
}

std::wstring popupTitle(HMENU menu, int position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

void expectItems(HMENU popup, const std::vector<MenuItem>& expected) {
    std::vector<MenuItem> actual = commandItems(popup);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].id, expected[i].id) << "item " << i;
        EXPECT_EQ(actual[i].text, expected[i].text) << "item " << i;
    }
}

} // namespace

TEST(MenuResources, MainMenuOffersEveryCommandUnderItsPopup) {
    HMENU menu = LoadMenuW(exeModule(), MAKEINTRESOURCEW(IDR_MAIN_MENU));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 5);
    EXPECT_EQ(popupTitle(menu, 0), L"&File");
    EXPECT_EQ(popupTitle(menu, 1), L"&Edit");
    EXPECT_EQ(popupTitle(menu, 2), L"&View");
    EXPECT_EQ(popupTitle(menu, 3), L"&Machine");
    EXPECT_EQ(popupTitle(menu, 4), L"&Help");
    expectItems(GetSubMenu(menu, 0), {{IDM_OPEN, L"&Open\tCtrl+O"},
                                      {IDM_SAVE, L"&Save\tCtrl+S"},
                                      {IDM_SAVE_AS, L"Save &As..."},
                                      {IDM_EXPORT_PHONE_BOOK, L"&Export Phone Book..."},
                                      {IDM_IMPORT_PHONE_BOOK, L"&Import Phone Book..."},
                                      {IDM_COMPARE_WITH, L"Co&mpare With..."},
                                      {IDM_OPEN_SNAPSHOT, L"Open S&napshot..."},
                                      {IDM_PRINT, L"&Print\tCtrl+P"},
                                      {IDM_EXIT, L"E&xit"}});
    expectItems(GetSubMenu(menu, 1), {{IDM_CUT, L"Cu&t\tCtrl+X"},
                                      {IDM_COPY, L"&Copy\tCtrl+C"},
                                      {IDM_PASTE, L"&Paste\tCtrl+V"},
                                      {IDM_DELETE, L"&Delete\tDel"}});
    expectItems(GetSubMenu(menu, 2), {{IDM_VIEW_ONE_TOUCH, L"&One Touch"},
                                      {IDM_VIEW_SPEED_DIAL, L"&Speed Dial"},
                                      {IDM_VIEW_GROUP, L"&Group"}});
    expectItems(GetSubMenu(menu, 3), {{IDM_CONNECT, L"&Connect"},
                                      {IDM_DISCONNECT, L"&Disconnect"},
                                      {IDM_DOWNLOAD, L"Down&load"},
                                      {IDM_UPLOAD, L"&Upload"},
                                      {IDM_SETTINGS_MENU, L"Menu"},
                                      {IDM_PROPERTIES, L"&Properties"},
                                      {IDM_TOTAL_COUNTER, L"&Total Counter"},
                                      {IDM_CONFIGURATION, L"C&onfiguration"}});
    expectItems(GetSubMenu(menu, 4),
                {{IDM_HELP_TOPICS, L"Help &Topics\tF1"}, {IDM_ABOUT, L"&About Zelt"}});
    DestroyMenu(menu);
}

TEST(MenuResources, PopupMenusHoldTheirNamedPopupWithItsCommands) {
    struct Popup {
        int menuId;
        const wchar_t* name;
        std::vector<MenuItem> items;
    };
    const Popup popups[] = {
        {IDR_TREE_ROOT_MENU,
         L"TREEROOT",
         {{IDM_CONNECT, L"Connect"},
          {IDM_DISCONNECT, L"Disconnect"},
          {IDM_TREE_DOWNLOAD, L"Download"},
          {IDM_TREE_UPLOAD, L"Upload"},
          {IDM_PROPERTIES, L"Property"}}},
        {IDR_TREE_MEMBER_MENU, L"TREEMEMBER", {{IDM_OPEN, L"Open"}, {IDM_SAVE, L"Save"}}},
        {IDR_LIST_MEMBER_MENU,
         L"LISTMEMBER",
         {{IDM_ENTRY_PROPERTY, L"Property"},
          {IDM_CUT, L"Cut"},
          {IDM_COPY, L"Copy"},
          {IDM_PASTE, L"Paste"},
          {IDM_DELETE, L"Delete"}}},
    };
    for (const Popup& popup : popups) {
        SCOPED_TRACE(popup.menuId);
        HMENU menu = LoadMenuW(exeModule(), MAKEINTRESOURCEW(popup.menuId));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(GetMenuItemCount(menu), 1);
        EXPECT_EQ(popupTitle(menu, 0), popup.name);
        expectItems(GetSubMenu(menu, 0), popup.items);
        DestroyMenu(menu);
    }
}

TEST(MenuResources, ListPopupSeparatesPropertyAndDeleteFromTheClipboardCommands) {
    HMENU menu = LoadMenuW(exeModule(), MAKEINTRESOURCEW(IDR_LIST_MEMBER_MENU));
    ASSERT_NE(menu, nullptr);
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_EQ(GetMenuItemCount(popup), 7);
    EXPECT_EQ(GetMenuState(popup, 1, MF_BYPOSITION) & MF_SEPARATOR,
              static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuState(popup, 5, MF_BYPOSITION) & MF_SEPARATOR,
              static_cast<UINT>(MF_SEPARATOR));
    DestroyMenu(menu);
}

TEST(MenuResources, AcceleratorsMapKeysToCommandsWithoutHighlightingMenus) {
    HACCEL table = LoadAcceleratorsW(exeModule(), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[32] = {};
    int count = CopyAcceleratorTableW(table, entries, 32);
    const BYTE control = FVIRTKEY | FCONTROL | FNOINVERT;
    const BYTE plain = FVIRTKEY | FNOINVERT;
    const ACCEL expected[] = {
        {control, 'X', IDM_CUT},
        {control, 'C', IDM_COPY},
        {control, 'V', IDM_PASTE},
        {plain, VK_DELETE, IDM_DELETE},
        {control, 'O', IDM_OPEN},
        {control, 'S', IDM_SAVE},
        {control, 'P', IDM_PRINT},
        {plain, VK_F1, IDM_HELP_TOPICS},
        {plain, VK_NUMLOCK, IDM_NUM_LOCK},
        {plain, VK_CAPITAL, IDM_CAPS_LOCK},
        {plain, VK_SCROLL, IDM_SCROLL_LOCK},
    };
    ASSERT_EQ(count, 11);
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(entries[i].fVirt & ~0x80, expected[i].fVirt) << "entry " << i;
        EXPECT_EQ(entries[i].key, expected[i].key) << "entry " << i;
        EXPECT_EQ(entries[i].cmd, expected[i].cmd) << "entry " << i;
    }
    DestroyAcceleratorTable(table);
}

TEST(MenuResources, ManifestLoadsCommonControlsVersion6) {
    // The process's default activation context comes from the manifest, so
    // the version it names is the one a plain load by name finds.
    HMODULE comctl = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(comctl, path, MAX_PATH);
    std::wstring lower(path);
    for (wchar_t& c : lower)
        c = towlower(c);
    EXPECT_NE(lower.find(L"common-controls"), std::wstring::npos) << lower;
    EXPECT_NE(lower.find(L"_6.0."), std::wstring::npos) << lower;
    FreeLibrary(comctl);
}
