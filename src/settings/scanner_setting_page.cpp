#include "settings/scanner_setting_page.h"

#include "resource_ids.h"

namespace {

const ControlRow kRows[] = {
    SETTINGS_RADIO(IDC_SCAN_150_DPI, scanResolution, 0x00),
    SETTINGS_RADIO(IDC_SCAN_300_DPI, scanResolution, 0x08),
    SETTINGS_RADIO(IDC_SCAN_600_DPI, scanResolution, 0x10),
    SETTINGS_RADIO(IDC_SCAN_FORMAT_TIFF, scanImageFormat, 0x00),
    SETTINGS_RADIO(IDC_SCAN_FORMAT_PDF, scanImageFormat, 0x04),
    SETTINGS_RADIO(IDC_SCAN_CODING_MH, scanCoding, 0),
    SETTINGS_RADIO(IDC_SCAN_CODING_MR, scanCoding, 1),
    SETTINGS_RADIO(IDC_SCAN_CODING_MMR, scanCoding, 2),
};

const PageDef kPage{.controls = kRows};

} // namespace

const PageDef& scannerSettingPage() {
    return kPage;
}
