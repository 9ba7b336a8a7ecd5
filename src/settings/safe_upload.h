#pragma once

#include "store/record_store.h"

#include <string>

// What the "Changes on the machine" dialog shows: the list of changes (UTF-8)
// under a heading, with Yes and No when it asks before an Upload, or a
// Close button alone when it only compares.
struct ChangesView {
    int titleId = 0;
    int headingId = 0;
    std::string text;
    bool asks = true;
};

// Before an Upload: what `document` changes on a machine holding `machine`,
// under the Upload question.
ChangesView uploadPreview(const RecordStore& machine, const RecordStore& document);
// Compare With...: what changes from the current image to a data file's.
ChangesView compareWithFile(const RecordStore& current, const RecordStore& file);

// What the read-back after an Upload tells the user.
struct VerifyVerdict {
    bool matched = false;
    int messageId = 0;
    std::string detail; // the records that differ, one per line (UTF-8)
};

// `readBack` is what the machine holds after the Upload of `sent`.
VerifyVerdict verifyUpload(const RecordStore& sent, const RecordStore& readBack);
