#include "settings/paper_source_page.h"

#include "resource_ids.h"

namespace {

constexpr uint8_t kCountryMexico = 51;
constexpr uint8_t kSecondTrayInstalled = 1;

enum PaperType : uint8_t {
    plainPaper = 0,
    transparency = 1,
    labels = 2,
    letterhead = 3,
    envelope = 4,
    postcard = 5,
    thickStock = 6,
    glossy = 7,
};

ComboItems tray2SizeItems(const SettingsMirror&) {
    return {{IDS_PAPER_A4, 2}, {IDS_PAPER_LETTER, 12}};
}

const ControlRow kRows[] = {
    SETTINGS_RADIO(IDC_TRAY1_TYPE_PLAIN, tray1PaperType, plainPaper),
    SETTINGS_RADIO(IDC_TRAY1_TYPE_TRANSPARENCY, tray1PaperType, transparency),
    SETTINGS_RADIO(IDC_TRAY1_TYPE_LABELS, tray1PaperType, labels),
    SETTINGS_RADIO(IDC_TRAY1_TYPE_LETTERHEAD, tray1PaperType, letterhead),
    SETTINGS_RADIO(IDC_TRAY1_TYPE_ENVELOPE, tray1PaperType, envelope),
    SETTINGS_RADIO(IDC_TRAY1_TYPE_POSTCARD, tray1PaperType, postcard),
    SETTINGS_RADIO(IDC_TRAY1_TYPE_THICK_STOCK, tray1PaperType, thickStock),
    SETTINGS_RADIO(IDC_TRAY1_TYPE_GLOSSY, tray1PaperType, glossy),
    {.controlId = IDC_TRAY1_SIZE_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(tray1PaperSize),
     .items = tray1SizeItems},
    {.controlId = IDC_TRAY2_SIZE_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(tray2PaperSize),
     .items = tray2SizeItems},
};

void adjust(const PageContext& context, std::vector<ControlState>& states) {
    const bool secondTray = context.mirror.machineInformation.optionTray == kSecondTrayInstalled;
    findState(states, IDC_TRAY2_SIZE_COMBO)->visible = secondTray;
    for (int plain : {IDC_TRAY2_GROUP, IDC_TRAY2_SIZE_GROUP})
        states.push_back({.controlId = plain, .visible = secondTray});
}

// A new paper type keeps the stored size when the type offers it, else the
// size becomes the first the type offers.
bool afterChoice(int controlId, PageContext& context) {
    if (controlId < IDC_TRAY1_TYPE_PLAIN || controlId > IDC_TRAY1_TYPE_GLOSSY)
        return false;
    return followList(context.mirror, SETTINGS_BYTE(tray1PaperSize),
                      tray1SizeItems(context.mirror));
}

const PageDef kPage{.controls = kRows, .adjust = adjust, .afterChoice = afterChoice};

} // namespace

const PageDef& paperSourcePage() {
    return kPage;
}

ComboItems tray1SizeItems(const SettingsMirror& mirror) {
    switch (mirror.tray1PaperType) {
    case plainPaper:
    case letterhead: {
        ComboItems items = {
            {IDS_PAPER_A4, 2},         {IDS_PAPER_B5, 3},         {IDS_PAPER_A5, 4},
            {IDS_PAPER_LEGAL, 11},     {IDS_PAPER_LETTER, 12},    {IDS_PAPER_GOVERNMENT_LETTER, 21},
            {IDS_PAPER_STATEMENT, 22}, {IDS_PAPER_EXECUTIVE, 23}, {IDS_PAPER_FOLIO, 24}};
        if (mirror.countryCode == kCountryMexico)
            items.push_back({IDS_PAPER_OFICIO, 60});
        return items;
    }
    case envelope:
        return {{IDS_PAPER_ENVELOPE_COM10, 25},   {IDS_PAPER_ENVELOPE_C5, 26},
                {IDS_PAPER_ENVELOPE_C6, 27},      {IDS_PAPER_ENVELOPE_DL, 34},
                {IDS_PAPER_ENVELOPE_MONARCH, 28}, {IDS_PAPER_ENVELOPE_CHOU3, 29},
                {IDS_PAPER_ENVELOPE_YOU4, 30},    {IDS_PAPER_ENVELOPE_CHOU4, 31}};
    case postcard:
        return {{IDS_PAPER_J_POSTCARD, 32}, {IDS_PAPER_DOUBLE_POSTCARD, 33}};
    case transparency:
    case labels:
    case thickStock:
    case glossy:
        return {{IDS_PAPER_A4, 2},
                {IDS_PAPER_B5, 3},
                {IDS_PAPER_A5, 4},
                {IDS_PAPER_LETTER, 12},
                {IDS_PAPER_GOVERNMENT_LETTER, 21},
                {IDS_PAPER_STATEMENT, 22},
                {IDS_PAPER_EXECUTIVE, 23}};
    default:
        // A type the machine does not define offers no size.
        return {};
    }
}
