#include "app/toolbar_win.h"

#include "app/shell_win.h"
#include "resource_ids.h"
#include "win/image_list_win.h"
#include "win/resource_modules_win.h"

#include <commctrl.h>

#include <array>

namespace {

constexpr int kButtonImageSize = 55;
constexpr int kButtonImageCount = 7;
constexpr int kSeparator = -1;

struct ToolbarButton {
    int image; // kSeparator for a gap
    int commandId;
    int tipStringId;
};

// Connection first, then the transfers, the file commands and the settings.
constexpr std::array<ToolbarButton, 11> kButtons = {{
    {0, IDM_CONNECT, IDS_CONNECT_TO_MACHINE},
    {1, IDM_DISCONNECT, IDS_DISCONNECT},
    {kSeparator, 0, 0},
    {6, IDM_UPLOAD, IDS_UPLOAD},
    {5, IDM_DOWNLOAD, IDS_DOWNLOAD},
    {kSeparator, 0, 0},
    {2, IDM_OPEN, IDS_OPEN},
    {3, IDM_SAVE, IDS_SAVE},
    {kSeparator, 0, 0},
    {4, IDM_SETTINGS_MENU, IDS_MENU},
    {kSeparator, 0, 0},
}};

std::array<TBBUTTON, kButtons.size()> buttonTable() {
    std::array<TBBUTTON, kButtons.size()> buttons{};
    for (size_t i = 0; i < kButtons.size(); ++i) {
        TBBUTTON& button = buttons[i];
        if (kButtons[i].image == kSeparator) {
            button.fsStyle = BTNS_SEP;
            continue;
        }
        button.iBitmap = kButtons[i].image;
        button.idCommand = kButtons[i].commandId;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON;
    }
    return buttons;
}

HWND createTooltip(HWND toolbar) {
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   toolbar, nullptr, resourceModule(), nullptr);
    if (tooltip == nullptr)
        return nullptr;
    SendMessageW(toolbar, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tooltip), 0);
    for (const ToolbarButton& button : kButtons) {
        if (button.image == kSeparator)
            continue;
        std::wstring tip = loadString(button.tipStringId);
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_SUBCLASS | TTF_CENTERTIP;
        tool.hwnd = toolbar;
        tool.uId = static_cast<UINT_PTR>(button.commandId);
        tool.hinst = resourceModule();
        tool.lpszText = tip.data();
        SendMessageW(toolbar, TB_GETRECT, button.commandId, reinterpret_cast<LPARAM>(&tool.rect));
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tooltip;
}

} // namespace

HWND createToolbar(HWND mainWindow) {
    Shell& shell = shellOf(mainWindow);
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, 0, 0, 0, 0, mainWindow,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TOOLBAR)),
                                   shell.exeInstance, nullptr);
    shell.toolbar = toolbar;
    if (toolbar == nullptr)
        return nullptr;
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(kButtonImageSize, kButtonImageSize));
    SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(kButtonImageSize, kButtonImageSize));
    // A missing picture leaves the buttons empty but usable.
    TBADDBITMAP bitmap{resourceModule(), IDB_TOOLBAR};
    SendMessageW(toolbar, TB_ADDBITMAP, kButtonImageCount, reinterpret_cast<LPARAM>(&bitmap));
    auto buttons = buttonTable();
    SendMessageW(toolbar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);

    shell.tooltip = createTooltip(toolbar);
    shell.disabledImages = loadImageStrip(IDB_TOOLBAR_DISABLED, kButtonImageSize, kButtonImageSize,
                                          ILC_COLOR8, kButtonImageCount);
    SendMessageW(toolbar, TB_SETDISABLEDIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(shell.disabledImages));
    return toolbar;
}
