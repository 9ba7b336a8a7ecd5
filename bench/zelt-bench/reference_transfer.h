#pragma once

#include "counting_transport.h"
#include "link/command_header.h"
#include "link/transport.h"
#include "store/record_store.h"

#include <vector>

// A whole Download and a whole Upload of one image, written out byte for
// byte before any timing starts, as the protocol defines them: the status
// probe that proves a freshly opened link, then the record exchanges in slot
// order. An Upload leaves out the two information records and 0x10a00 and
// ends with the finish command.
struct TransferScript {
    struct RecordWrite {
        HeaderBytes header{};
        std::vector<uint8_t> data;
    };
    std::vector<HeaderBytes> readRequests;
    std::vector<RecordWrite> recordWrites;
    // What each transfer puts on the wire.
    WireCounts download;
    WireCounts upload;
};

TransferScript scriptTransfers(const RecordStore& image);

// The scripted exchanges on device 0 of `transport` and nothing else: no
// product check, no store, no unpacking, no decisions. The yardstick the
// program's own transfers are measured against.
bool referenceDownload(Transport& transport, const TransferScript& script);
bool referenceUpload(Transport& transport, const TransferScript& script);
