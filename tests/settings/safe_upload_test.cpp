#include "settings/safe_upload.h"

#include "../link/link_test_support.h"
#include "link/sample_machine_image.h"
#include "link/transfer_protocol.h"
#include "resource_ids.h"
#include "string_table.h"

#include <gtest/gtest.h>

namespace {

// An Upload of `document` to the machine, then the read-back the program
// makes to verify it.
VerifyVerdict uploadAndVerify(MachineOnLink& on, const RecordStore& document) {
    uint8_t flag = kNetworkChangeNone;
    EXPECT_TRUE(uploadAll(on.link, document, flag));
    RecordStore readBack;
    prepareDownload(readBack, flag);
    EXPECT_TRUE(downloadAll(on.link, readBack));
    return verifyUpload(document, readBack);
}

} // namespace

TEST(SafeUpload, VerifyFindsTheOneRecordTheMachineStoredWrongly) {
    MachineOnLink on;
    RecordStore document = patternImage();
    document.slots[2].payload[0] = 0x77; // 0x10a00: never sent, never checked
    VerifyVerdict verdict = uploadAndVerify(on, document);
    EXPECT_TRUE(verdict.matched);
    EXPECT_EQ(verdict.messageId, IDS_VERIFY_PASSED);

    on.machine.corruptWritesOf = 0x10c41;
    verdict = uploadAndVerify(on, document);
    EXPECT_FALSE(verdict.matched);
    EXPECT_EQ(verdict.detail, "Record 0x10c41\n");
    EXPECT_NE(fillTemplate(stringTableText(verdict.messageId), verdict.detail)
                  .find("These records differ:\nRecord 0x10c41\n\nThe settings"),
              std::string::npos);
}

TEST(SafeUpload, PreviewAsksUnderTheUploadQuestionAndCompareOnlyShows) {
    MachineOnLink on;
    on.machine.image = sampleMachineImage();
    on.machine.refuseReads = true;
    RecordStore machine;
    uint8_t flag = kNetworkChangeNone;
    prepareDownload(machine, flag);
    EXPECT_FALSE(downloadAll(on.link, machine)); // the preview falls back to the plain question

    const RecordStore image = sampleMachineImage();
    const ChangesView same = uploadPreview(image, image);
    EXPECT_EQ(same.headingId, IDS_CONFIRM_UPLOAD);
    EXPECT_TRUE(same.asks);
    EXPECT_EQ(same.text, std::string(stringTableText(IDS_CHANGES_NONE)) + "\n");
    RecordStore empty;
    initStore(empty);
    const ChangesView compared = compareWithFile(image, empty);
    EXPECT_FALSE(compared.asks);
    EXPECT_EQ(compared.titleId, IDS_COMPARE_TITLE);
    EXPECT_NE(compared.text.find("One Touch 1 (Head Office): removed\n"), std::string::npos);
}
