#include "settings/safe_upload.h"

#include "resource_ids.h"
#include "settings/image_changes.h"
#include "store/image_diff.h"
#include "string_table.h"

ChangesView uploadPreview(const RecordStore& machine, const RecordStore& document) {
    return {IDS_CHANGES_TITLE, IDS_CONFIRM_UPLOAD,
            imageChangesText(describeImageChanges(machine, document), IDS_CHANGES_NONE), true};
}

ChangesView compareWithFile(const RecordStore& current, const RecordStore& file) {
    return {IDS_COMPARE_TITLE, IDS_CHANGES_COMPARE_HEADING,
            imageChangesText(describeImageChanges(current, file), IDS_CHANGES_COMPARE_NONE), false};
}

VerifyVerdict verifyUpload(const RecordStore& sent, const RecordStore& readBack) {
    const std::vector<int> differing = slotsNotAsSent(sent, readBack);
    if (differing.empty())
        return {true, IDS_VERIFY_PASSED, {}};
    return {false, IDS_VERIFY_MISMATCH, recordListText(differing)};
}
