#include "printing/print_run.h"

#include "fake_print_canvas.h"

#include <gtest/gtest.h>

namespace {

struct RecordingPrinters : PrinterChoice {
    PrintCanvas* choosePrinter() override {
        ++asked;
        return &canvas;
    }
    FakePrintCanvas canvas;
    int asked = 0;
};

std::vector<std::string> titlesPrinted(const FakePrintCanvas& canvas) {
    std::vector<std::string> titles;
    for (const FakePrintCanvas::Text& text : canvas.texts)
        if (text.font.height == 83 && (titles.empty() || titles.back() != text.text))
            titles.push_back(text.text);
    return titles;
}

} // namespace

TEST(PrintRun, TheTickedListsPrintInOrderOnOnePrinterAskedForOnce) {
    const ListSource source{emptyPhoneBook()};
    struct Case {
        PrintSelection selection;
        std::vector<std::string> titles;
        int documents;
    };
    const Case cases[] = {
        {{true, true, true}, {"One Touch", "Speed Dial", "Group"}, 3},
        {{false, true, true}, {"Speed Dial", "Group"}, 2},
        {{true, false, true}, {"One Touch", "Group"}, 2},
        {{false, false, true}, {"Group"}, 1},
    };
    for (const Case& c : cases) {
        RecordingPrinters printers;
        const PrintRunResult result = printSelectedLists(c.selection, printers, source);
        EXPECT_EQ(printers.asked, 1);
        EXPECT_EQ(result.listsPrinted, c.documents);
        EXPECT_EQ(printers.canvas.documents.size(), static_cast<size_t>(c.documents));
        EXPECT_EQ(printers.canvas.documentsEnded, c.documents);
        EXPECT_EQ(titlesPrinted(printers.canvas), c.titles);
    }
    RecordingPrinters none;
    EXPECT_EQ(printSelectedLists({false, false, false}, none, source).listsPrinted, 0);
    EXPECT_EQ(none.asked, 0) << "nothing to print asks for no printer";
}

// A cancelled printer choice is proven through the real print dialog
// (PrintListsTest.OnePrintDialogServesAllListsAndCancellingItPrintsNone).
TEST(PrintRun, AFailedDocumentEndsTheRun) {
    const ListSource source{emptyPhoneBook()};
    RecordingPrinters refusing;
    refusing.canvas.acceptDocuments = false;
    const PrintRunResult failed = printSelectedLists({true, true, true}, refusing, source);
    EXPECT_TRUE(failed.printerFailed);
    EXPECT_EQ(failed.listsPrinted, 0);
    EXPECT_EQ(refusing.canvas.documents.size(), 1u) << "no second document on a failed printer";
    EXPECT_EQ(refusing.canvas.pages, 0);
}
