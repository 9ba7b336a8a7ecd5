#include "document_bench.h"

#include "workspace/document_files.h"
#include "workspace/model_string.h"
#include "full_phone_book.h"
#include "resource_ids.h"
#include "scratch_folder.h"
#include "store/data_file.h"
#include "string_table.h"

void benchDocumentFiles(const BenchSettings& settings, const std::string& where,
                        BenchReport& report) {
    ScratchFolder folder;
    Workspace workspace;
    parseModelString(stringTableText(IDS_MODEL), workspace.startup);
    const std::string path = folder.file("Phone book.DAT");
    if (!folder.created() || !writeDataFile(path, fullPhoneBookImage())) {
        report.fail("cannot write a data file to open (" + where + ")");
        return;
    }
    double seconds = 0;
    if (!timeMedian(
            settings, [&] { return loadDocumentFile(workspace, path); }, seconds)) {
        report.fail("Open failed (" + where + ")");
        return;
    }
    report.add(frameRow("Open a data file: read, unpack, decode (" + where + ")", seconds));
    if (!timeMedian(
            settings, [&] { return writeDocumentFile(workspace, path); }, seconds)) {
        report.fail("Save failed (" + where + ")");
        return;
    }
    report.add(frameRow("Save: pack, write, rename over (" + where + ")", seconds));
}
