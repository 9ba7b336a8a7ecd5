// The harness drives real Wine controls; these tests prove each helper
// against windows whose content the test itself makes.
#include "harness/harness.h"

#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest-spi.h>

#include <array>
#include <string>
#include <vector>

using namespace harness;

namespace {

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr int kNameEditId = 100;

// A dialog template built in memory, laid out as DLGTEMPLATE and
// DLGITEMTEMPLATE records expect.
class DialogTemplate {
  public:
    DialogTemplate(std::wstring_view title, DWORD style) {
        putDword(style);
        putDword(0);
        words_.push_back(0); // control count, patched by add()
        putBox(0, 0, 180, 60);
        words_.push_back(0); // no menu
        words_.push_back(0); // default class
        putString(title);
    }

    void add(WORD classAtom, int id, std::wstring_view text, DWORD style, short x, short y,
             short width, short height) {
        if (words_.size() % 2 != 0)
            words_.push_back(0);
        putDword(style | WS_CHILD | WS_VISIBLE);
        putDword(0);
        putBox(x, y, width, height);
        words_.push_back(static_cast<WORD>(id));
        words_.push_back(0xFFFF);
        words_.push_back(classAtom);
        putString(text);
        words_.push_back(0); // no creation data
        ++words_[kCountIndex];
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    static constexpr size_t kCountIndex = 4;

    void putDword(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void putBox(short x, short y, short width, short height) {
        for (short value : {x, y, width, height})
            words_.push_back(static_cast<WORD>(value));
    }
    void putString(std::wstring_view text) {
        words_.insert(words_.end(), text.begin(), text.end());
        words_.push_back(0);
    }

    std::vector<WORD> words_;
};

DialogTemplate nameForm(std::wstring_view title, DWORD style, std::wstring_view initialName) {
    DialogTemplate form(title, style);
    form.add(kEditAtom, kNameEditId, initialName, WS_BORDER | WS_TABSTOP, 10, 10, 100, 14);
    return form;
}

// Insists on a name: OK with an empty field explains why in a message box
// and keeps the dialog open.
INT_PTR CALLBACK nameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == IDOK) {
        std::wstring name = controlText(dialog, kNameEditId);
        if (name.empty()) {
            MessageBoxW(dialog, L"A name is needed.", L"Check", MB_OK | MB_ICONWARNING);
            return TRUE;
        }
        *reinterpret_cast<std::wstring*>(GetWindowLongPtrW(dialog, DWLP_USER)) = name;
        EndDialog(dialog, IDOK);
    } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
    }
    return TRUE;
}

INT_PTR CALLBACK pageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* sheetPage = reinterpret_cast<PROPSHEETPAGEW*>(lParam);
        SetWindowLongPtrW(page, DWLP_USER, sheetPage->lParam);
        return TRUE;
    }
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == PSN_APPLY) {
        *reinterpret_cast<std::wstring*>(GetWindowLongPtrW(page, DWLP_USER)) =
            controlText(page, kNameEditId);
        SetWindowLongPtrW(page, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    }
    return FALSE;
}

} // namespace

TEST(Harness, AnswersAMessageBoxAndRecordsWhatItSaid) {
    ModalScript script;
    const MessageBoxRecord& box = script.answerMessageBox(IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, L"Save the changes?", L"Local Setup - Zelt", MB_YESNOCANCEL),
              IDNO);
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.caption, L"Local Setup - Zelt");
    EXPECT_EQ(box.text, L"Save the changes?");
    EXPECT_TRUE(script.finished());
}

TEST(Harness, DrivesADialogThroughTheMessageBoxItRaises) {
    DialogTemplate form =
        nameForm(L"Name", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, L"");
    form.add(kButtonAtom, IDOK, L"OK", BS_DEFPUSHBUTTON, 120, 10, 50, 14);
    form.add(kButtonAtom, IDCANCEL, L"Cancel", BS_PUSHBUTTON, 120, 30, 50, 14);
    std::wstring accepted;
    HWND seenDialog = nullptr;

    ModalScript script;
    script.then([&](HWND dialog) {
        seenDialog = dialog;
        clickButton(dialog, IDOK);
    });
    const MessageBoxRecord& refusal = script.answerMessageBox(IDOK);
    script.then([&](HWND dialog) {
        EXPECT_EQ(dialog, seenDialog) << "the same dialog again once its message box closed";
        setControlText(dialog, kNameEditId, L"Zelt");
        clickButton(dialog, IDOK);
    });
    INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), form.get(), nullptr,
                                             nameDialogProc, reinterpret_cast<LPARAM>(&accepted));
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(accepted, L"Zelt");
    EXPECT_EQ(refusal.caption, L"Check");
    EXPECT_EQ(refusal.text, L"A name is needed.");
}

TEST(Harness, DrivesAPropertySheetAcrossPages) {
    DWORD pageStyle = WS_CHILD | WS_CAPTION | WS_DISABLED;
    DialogTemplate first = nameForm(L"First", pageStyle, L"one");
    DialogTemplate second = nameForm(L"Second", pageStyle, L"two");
    std::array<std::wstring, 2> applied = {L"-", L"-"};
    std::array<PROPSHEETPAGEW, 2> pages = {};
    const DialogTemplate* templates[] = {&first, &second};
    for (size_t i = 0; i < pages.size(); ++i) {
        pages[i].dwSize = sizeof(PROPSHEETPAGEW);
        pages[i].dwFlags = PSP_DLGINDIRECT;
        pages[i].pResource = templates[i]->get();
        pages[i].pfnDlgProc = pageProc;
        pages[i].lParam = reinterpret_cast<LPARAM>(&applied[i]);
    }
    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    header.pszCaption = L"Settings";
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();

    ModalScript script;
    script.then([](HWND sheet) {
        selectSheetPage(sheet, 1);
        setControlText(currentSheetPage(sheet), kNameEditId, L"changed");
        pressSheetButton(sheet, PSBTN_OK);
    });
    EXPECT_GT(PropertySheetW(&header), 0);
    EXPECT_EQ(applied[0], L"one");
    EXPECT_EQ(applied[1], L"changed");
}

TEST(Harness, AModalWindowNoStepExpectsFailsTheTestInsteadOfHangingIt) {
    EXPECT_NONFATAL_FAILURE(MessageBoxW(nullptr, L"Nobody expects this", L"Surprise", MB_OK),
                            "Nobody expects this");
}

TEST(Harness, ReadsMenuListTreeAndStatusBarState) {
    HWND host = CreateWindowExW(0, L"STATIC", L"Host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(host, nullptr);

    HMENU menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 807, L"&Open");
    AppendMenuW(file, MF_STRING | MF_GRAYED, 808, L"&Save");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING | MF_CHECKED, 809, L"Save &As");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    EXPECT_EQ(menuItemTexts(file),
              (std::vector<std::wstring>{L"&Open", L"&Save", L"", L"Save &As"}));
    MenuItemState open = menuItemState(menu, 807);
    MenuItemState save = menuItemState(menu, 808);
    EXPECT_TRUE(open.exists && open.enabled && !open.grayed && !open.checked);
    EXPECT_TRUE(save.exists && !save.enabled && save.grayed);
    EXPECT_EQ(save.text, L"&Save");
    EXPECT_TRUE(menuItemState(menu, 809).checked);
    EXPECT_FALSE(menuItemState(menu, 999).exists);
    DestroyMenu(menu);

    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 200, 100, host,
                                nullptr, nullptr, nullptr);
    LVCOLUMNW column = {LVCF_TEXT | LVCF_WIDTH, 0, 80};
    for (int i = 0; i < 2; ++i)
        ListView_InsertColumn(list, i, &column);
    for (int row = 0; row < 2; ++row) {
        std::wstring name = L"Name " + std::to_wstring(row);
        LVITEMW item = {LVIF_TEXT, row, 0};
        item.pszText = name.data();
        ListView_InsertItem(list, &item);
        std::wstring number = std::to_wstring(100 + row);
        ListView_SetItemText(list, row, 1, number.data());
    }
    ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(listViewRows(list),
              (std::vector<std::vector<std::wstring>>{{L"Name 0", L"100"}, {L"Name 1", L"101"}}));
    EXPECT_EQ(listViewSelectedRow(list), 1);

    HWND tree = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD, 0, 0, 200, 100, host, nullptr,
                                nullptr, nullptr);
    auto insert = [tree](HTREEITEM parent, const wchar_t* text) {
        TVINSERTSTRUCTW insertion = {};
        insertion.hParent = parent;
        insertion.hInsertAfter = TVI_LAST;
        insertion.item.mask = TVIF_TEXT;
        insertion.item.pszText = const_cast<wchar_t*>(text);
        return TreeView_InsertItem(tree, &insertion);
    };
    HTREEITEM root = insert(TVI_ROOT, L"Machine");
    insert(root, L"One Touch");
    HTREEITEM speedDial = insert(root, L"Speed Dial");
    TreeView_SelectItem(tree, speedDial);
    EXPECT_EQ(treeItemLines(tree),
              (std::vector<std::wstring>{L"Machine", L"  One Touch", L"  Speed Dial"}));
    EXPECT_EQ(treeSelectedText(tree), L"Speed Dial");

    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD, 0, 0, 0, 0, host, nullptr,
                                  nullptr, nullptr);
    int edges[] = {100, 150, -1};
    SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
    SendMessageW(status, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(L"NUM"));
    EXPECT_EQ(statusBarParts(status), (std::vector<std::wstring>{L"Ready", L"", L"NUM"}));

    EXPECT_EQ(findChild(host, WC_TREEVIEWW), tree);
    EXPECT_EQ(findChild(host, STATUSCLASSNAMEW), status);
    EXPECT_EQ(findChild(host, WC_LISTVIEWW, 1), nullptr);
    DestroyWindow(host);
}
