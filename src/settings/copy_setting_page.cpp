#include "settings/copy_setting_page.h"

#include "resource_ids.h"
#include "workspace/model_string.h"

namespace {

constexpr uint8_t kSecondTrayInstalled = 1;
constexpr uint8_t kCopyModeText = 1;
constexpr uint8_t kDirectTypePostcard = 5;
constexpr uint8_t kDirectTypeGlossy = 7;

bool secondTrayInstalled(const SettingsMirror& mirror) {
    return mirror.machineInformation.optionTray == kSecondTrayInstalled;
}

ComboItems paperPriorityItems(const SettingsMirror& mirror) {
    if (secondTrayInstalled(mirror))
        return {{IDS_TRAY1, 0}, {IDS_TRAY2, 1}};
    return {{IDS_TRAY1, 0}};
}

ComboItems copyTextModeItems(const SettingsMirror&) {
    return indexItems(IDS_COPY_TEXT_AUTO, IDS_COPY_TEXT_MANUAL);
}

ComboItems nUpLayoutItems(const SettingsMirror&) {
    return indexItems(IDS_NUP_1, IDS_NUP_25);
}

ComboItems directTypeItems(const SettingsMirror&) {
    return {{IDS_DIRECT_TYPE_PLAIN, 0},
            {IDS_DIRECT_TYPE_LABELS, 2},
            {IDS_DIRECT_TYPE_POSTCARD, kDirectTypePostcard},
            {IDS_DIRECT_TYPE_THICK, 6},
            {IDS_DIRECT_TYPE_GLOSSY, kDirectTypeGlossy}};
}

ComboItems directTray2SizeItems(const SettingsMirror&) {
    return {{IDS_DIRECT_TRAY2_A4, 2}, {IDS_DIRECT_TRAY2_LETTER, 12}};
}

const ControlRow kRows[] = {
    {.controlId = IDC_PAPER_PRIORITY_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(paperPriority),
     .items = paperPriorityItems},
    SETTINGS_RADIO(IDC_COPY_MODE_MIX, copyMode, 0),
    SETTINGS_RADIO(IDC_COPY_MODE_TEXT, copyMode, kCopyModeText),
    SETTINGS_RADIO(IDC_COPY_MODE_PHOTO, copyMode, 2),
    {.controlId = IDC_COPY_TEXT_MODE_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(copyTextOption),
     .items = copyTextModeItems},
    SETTINGS_RADIO(IDC_DENSITY_LIGHT, densityLevelAuto, 0),
    SETTINGS_RADIO(IDC_DENSITY_NORMAL, densityLevelAuto, 1),
    SETTINGS_RADIO(IDC_DENSITY_DARK, densityLevelAuto, 2),
    {.controlId = IDC_DENSITY_SCROLL,
     .kind = ControlKind::scroll,
     .field = SETTINGS_BYTE(densityLevelManual),
     .scroll = {0, 6, 1, 2}},
    SETTINGS_RADIO(IDC_COLLATE_ON, collate, 0),
    SETTINGS_RADIO(IDC_COLLATE_OFF, collate, 1),
    SETTINGS_RADIO(IDC_COPY_QUALITY_NORMAL, copyQuality, 0),
    SETTINGS_RADIO(IDC_COPY_QUALITY_FINE, copyQuality, 1),
    SETTINGS_RADIO(IDC_DIRECT_QUALITY_DRAFT, printImageQuality, 0),
    SETTINGS_RADIO(IDC_DIRECT_QUALITY_NORMAL, printImageQuality, 1),
    SETTINGS_RADIO(IDC_DIRECT_QUALITY_FINE, printImageQuality, 2),
    {.controlId = IDC_NUP_LAYOUT_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(printNUpLayout),
     .items = nUpLayoutItems},
    {.controlId = IDC_DIRECT_TRAY1_TYPE_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(printTray1PaperType),
     .items = directTypeItems},
    {.controlId = IDC_DIRECT_TRAY1_SIZE_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(printTray1PaperSize),
     .items = directTray1SizeItems},
    {.controlId = IDC_DIRECT_TRAY2_SIZE_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(printTray2PaperSize),
     .items = directTray2SizeItems},
};

// The A3 family's page carries two numeric fields that are only checked.
const RangeField kRangeFields[] = {
    {IDC_COPY_WIDE_RANGE_EDIT, IDS_RANGE_MESSAGE, 0, 20},
    {IDC_COPY_NARROW_RANGE_EDIT, IDS_RANGE_MESSAGE, 5, 20},
};

// The paper priority the list shows: payload byte 10 of the machine
// information moves the default the machine reports.
int shownPaperPriority(const SettingsMirror& mirror) {
    const int shift = mirror.machineInformation.byte10 == 1 ? 1 : 0;
    if (secondTrayInstalled(mirror))
        return mirror.paperPriority > 1 ? 1 + shift : mirror.paperPriority;
    return mirror.paperPriority == 0 ? shift : mirror.paperPriority;
}

void adjust(const PageContext& context, std::vector<ControlState>& states) {
    const SettingsMirror& mirror = context.mirror;
    ControlState* priority = findState(states, IDC_PAPER_PRIORITY_COMBO);
    const int shown = shownPaperPriority(mirror);
    priority->selection = shown < static_cast<int>(priority->items.size()) ? shown : -1;

    const bool secondTray = secondTrayInstalled(mirror);
    findState(states, IDC_DIRECT_TRAY2_SIZE_COMBO)->visible = secondTray;
    states.push_back({.controlId = IDC_DIRECT_TRAY2_SIZE_LABEL, .visible = secondTray});

    findState(states, IDC_COPY_TEXT_MODE_COMBO)->enabled = mirror.copyMode == kCopyModeText;

    // Only the A4 family's page shows the collate choice, and only with the
    // document feeder that collating needs.
    ControlState* collate[] = {findState(states, IDC_COLLATE_ON),
                               findState(states, IDC_COLLATE_OFF)};
    if (context.modelFamily != kModelFamilyA4) {
        for (ControlState* radio : collate)
            radio->check = CheckState::asTemplate;
        return;
    }
    if (mirror.machineInformation.adfUnit == 0) {
        for (ControlState* radio : collate)
            radio->visible = false;
        states.push_back({.controlId = IDC_COLLATE_GROUP, .visible = false});
    }
}

// A new direct-print type keeps the stored size when it offers it, else
// the size becomes the first it offers.
bool afterChoice(int controlId, PageContext& context) {
    if (controlId != IDC_DIRECT_TRAY1_TYPE_COMBO)
        return false;
    return followList(context.mirror, SETTINGS_BYTE(printTray1PaperSize),
                      directTray1SizeItems(context.mirror));
}

const PageDef kPage{
    .controls = kRows, .adjust = adjust, .afterChoice = afterChoice, .rangeFields = kRangeFields};

} // namespace

const PageDef& copySettingPage() {
    return kPage;
}

ComboItems directTray1SizeItems(const SettingsMirror& mirror) {
    ComboItems items = {{IDS_DIRECT_SIZE_LETTER, 12},
                        {IDS_DIRECT_SIZE_A4, 2},
                        {IDS_DIRECT_SIZE_A5, 4},
                        {IDS_DIRECT_SIZE_STATEMENT, 22},
                        {IDS_DIRECT_SIZE_B5, 3}};
    if (mirror.printTray1PaperType == kDirectTypePostcard)
        items.push_back({IDS_DIRECT_SIZE_J_POSTCARD, 32});
    if (mirror.printTray1PaperType == kDirectTypeGlossy)
        for (const ComboItem& photo : indexItems(IDS_DIRECT_SIZE_PHOTO_4X6, IDS_DIRECT_SIZE_A4_2UP))
            items.push_back({photo.textId, 55 + photo.value});
    return items;
}
