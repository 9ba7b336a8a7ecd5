#include "harness/harness.h"
#include "pane_places.h"

#include "app/layout.h"
#include "app/main_window_win.h"
#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "resource_ids.h"
#include "win/win_text_win.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace harness;

namespace {

constexpr COLORREF kPaleYellow = RGB(255, 255, 223);

// What a user measures on the screen, in pixels, on Wine's frame and menu
// metrics: the 600 x 400 window has a client of 592 x 354 (the toolbar 65
// high, the status bar's band 24), and grown to 900 x 600 one of 892 x 554;
// the tree keeps the third of the first width (197) less its 2-pixel gap.
constexpr PaneRect kStartStatusPane{0, 65, 592, 265};
constexpr PaneRect kGrownTreePane{0, 65, 195, 465};
constexpr PaneRect kGrownStatusPane{197, 65, 695, 465};

} // namespace

class MainWindow : public MainWindowTest {};

// One walk from start-up. Which command is enabled in which state is proven
// through the real commands (MachineWindowTest.CommandStatesFollowDocumentAndConnection).
TEST_F(MainWindow, StartsCentredOfflineThenShowsTheTreeAtItsFirstWidth) {
    {
        SCOPED_TRACE("centred on the screen at the start size");
        RECT frame{};
        GetWindowRect(mainWindow(), &frame);
        EXPECT_EQ(frame.right - frame.left, 600);
        EXPECT_EQ(frame.bottom - frame.top, 400);
        HDC screen = CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(frame.left, (GetDeviceCaps(screen, HORZRES) - 600) / 2);
        EXPECT_EQ(frame.top, (GetDeviceCaps(screen, VERTRES) - 400) / 2);
        DeleteDC(screen);
    }
    {
        SCOPED_TRACE("the offline status pane over the whole width");
        EXPECT_FALSE(IsWindowVisible(shell().tree));
        ASSERT_TRUE(IsWindowVisible(shell().statusPane));
        EXPECT_EQ(controlText(shell().statusPane, IDC_STATUS_TEXT), L"Connect Status : OFFLINE");
        EXPECT_EQ(workspace().view.documentLoaded, 0);
        EXPECT_EQ(workspace().view.currentView, View::none);
        EXPECT_EQ(workspace().view.selectedRow, -1);

        EXPECT_EQ(placeOf(shell().statusPane), kStartStatusPane);
        EXPECT_EQ(workspace().treePaneWidth, 197);

        // The pane paints itself and its text on pale yellow.
        HDC context = GetDC(shell().statusPane);
        HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(
            shell().statusPane, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
            reinterpret_cast<LPARAM>(GetDlgItem(shell().statusPane, IDC_STATUS_TEXT))));
        ReleaseDC(shell().statusPane, context);
        LOGBRUSH colour{};
        ASSERT_EQ(GetObjectW(brush, sizeof(colour), &colour), static_cast<int>(sizeof(colour)));
        EXPECT_EQ(colour.lbColor, kPaleYellow);
    }
    {
        SCOPED_TRACE("a system colour change takes the current button face");
        SendMessageW(mainWindow(), WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(GetClassLongPtrW(mainWindow(), GCLP_HBRBACKGROUND),
                  reinterpret_cast<ULONG_PTR>(GetSysColorBrush(COLOR_BTNFACE)));
    }
    {
        SCOPED_TRACE("the refresh keeps the pane text without a document, shows the tree with one");
        workspace().view.connected = 1;
        refreshUiState(mainWindow());
        EXPECT_EQ(controlText(shell().statusPane, IDC_STATUS_TEXT), L"Connect Status : OFFLINE");
        updateStatusPane(mainWindow());
        EXPECT_EQ(controlText(shell().statusPane, IDC_STATUS_TEXT), L"Connect Status : ONLINE");

        workspace().view.documentLoaded = 1;
        refreshUiState(mainWindow());
        EXPECT_TRUE(IsWindowVisible(shell().tree));
        EXPECT_TRUE(IsWindowEnabled(shell().tree));
        workspace().view.connected = 0;
        refreshUiState(mainWindow());
        EXPECT_EQ(controlText(shell().statusPane, IDC_STATUS_TEXT), L"Connect Status : OFFLINE");
    }
    SCOPED_TRACE("the tree pane keeps its first width when the window grows");
    SetWindowPos(mainWindow(), nullptr, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER);
    pumpMessages();
    EXPECT_EQ(workspace().treePaneWidth, 197);
    EXPECT_EQ(placeOf(shell().tree), kGrownTreePane);
    EXPECT_EQ(placeOf(shell().statusPane), kGrownStatusPane);
}

TEST_F(MainWindow, StatusBarHasSixPartsAndTheToolbarSevenCommandsWithBalloonTips) {
    HWND statusBar = shell().statusBar;
    ASSERT_NE(statusBar, nullptr);
    EXPECT_EQ(GetDlgCtrlID(statusBar), IDC_STATUS_BAR);
    std::vector<std::wstring> parts = statusBarParts(statusBar);
    ASSERT_EQ(parts.size(), 6u);
    EXPECT_EQ(parts[0], L"For Help, Press F1");
    EXPECT_EQ(parts[1], L"Local Setup");
    EXPECT_EQ(parts[2], L"");
    // The hint has no frame; each lock part names its key only while it is on.
    EXPECT_EQ(HIWORD(SendMessageW(statusBar, SB_GETTEXTLENGTHW, 0, 0)) & SBT_NOBORDERS,
              SBT_NOBORDERS);
    EXPECT_EQ(parts[3], (GetKeyState(VK_CAPITAL) & 1) ? L"CAPS" : L" ");
    EXPECT_EQ(parts[4], (GetKeyState(VK_NUMLOCK) & 1) ? L"NUM" : L" ");
    EXPECT_EQ(parts[5], (GetKeyState(VK_SCROLL) & 1) ? L"SCRL" : L" ");
    int edges[6] = {};
    SendMessageW(statusBar, SB_GETPARTS, 6, reinterpret_cast<LPARAM>(edges));
    RECT client{};
    GetClientRect(mainWindow(), &client);
    const auto expected = statusBarPartEdges(client.right);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end() - 1, edges));

    SCOPED_TRACE("the toolbar's seven commands and their balloon tips");
    HWND toolbar = shell().toolbar;
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(GetDlgCtrlID(toolbar), IDC_TOOLBAR);
    HWND tooltip = reinterpret_cast<HWND>(SendMessageW(toolbar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_EQ(tooltip, shell().tooltip);
    EXPECT_TRUE(GetWindowLongW(tooltip, GWL_STYLE) & TTS_BALLOON);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 7);
    struct Button {
        int command; // 0: a separator
        int image;
        const wchar_t* tip;
    };
    const Button buttons[] = {{IDM_CONNECT, 0, L"Connect To Machine"},
                              {IDM_DISCONNECT, 1, L"Disconnect"},
                              {},
                              {IDM_UPLOAD, 6, L"Upload"},
                              {IDM_DOWNLOAD, 5, L"Download"},
                              {},
                              {IDM_OPEN, 2, L"Open"},
                              {IDM_SAVE, 3, L"Save"},
                              {},
                              {IDM_SETTINGS_MENU, 4, L"Menu"},
                              {}};
    ASSERT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 11);
    for (int i = 0; i < 11; ++i) {
        TBBUTTON button{};
        SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ((button.fsStyle & BTNS_SEP) != 0, buttons[i].command == 0) << i;
        if (buttons[i].command == 0)
            continue;
        EXPECT_EQ(button.idCommand, buttons[i].command) << i;
        EXPECT_EQ(button.iBitmap, buttons[i].image) << i;
        wchar_t buffer[80] = {};
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = toolbar;
        tool.uId = static_cast<UINT_PTR>(button.idCommand);
        tool.lpszText = buffer;
        SendMessageW(tooltip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(buffer, buttons[i].tip) << i;
    }
    ASSERT_NE(shell().disabledImages, nullptr);
    EXPECT_EQ(SendMessageW(toolbar, TB_GETDISABLEDIMAGELIST, 0, 0),
              reinterpret_cast<LRESULT>(shell().disabledImages));

    SCOPED_TRACE("hovering a button shows its balloon tip");
    RECT button{};
    SendMessageW(shell().toolbar, TB_GETRECT, IDM_OPEN, reinterpret_cast<LPARAM>(&button));
    POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClientToScreen(shell().toolbar, &centre);
    SetForegroundWindow(mainWindow());
    SetCursorPos(centre.x - 5, centre.y - 5);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = centre.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = centre.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof(move));
    for (int i = 0; i < 150 && !IsWindowVisible(shell().tooltip); ++i) {
        pumpMessages();
        Sleep(10);
    }
    EXPECT_TRUE(IsWindowVisible(shell().tooltip));
    EXPECT_EQ(windowText(shell().tooltip), L"Open");
    saveScreenshot(mainWindow(), L"toolbar_tip");
}
