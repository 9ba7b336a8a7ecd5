#include "printing/fit_text.h"

#include "fake_print_canvas.h"

#include <gtest/gtest.h>

namespace {

// Table font of the fake printer: 16 pixels a character.
FakePrintCanvas tableCanvas() {
    FakePrintCanvas canvas;
    canvas.selectFont({"Tahoma", 1, 32});
    return canvas;
}

} // namespace

TEST(FitText, LongTextsEndInAnEllipsisInsideTheColumnAndShortOnesNeverGrow) {
    FakePrintCanvas canvas = tableCanvas();
    struct Case {
        const char* text;
        int width;
        const char* fitted;
    };
    const Case cases[] = {
        {"Head Office", 200, "Head Office"},             // 176 < 194: left alone
        {"Head Office", 182, "Head Of..."},              // 176 is not below 176: 10 characters fit
        {"Head Office", 100, "He..."},                   // 80 < 94
        {"Head Office", 60, "..."},                      // only the ellipsis remains
        {"Head Office", 54, ""},                         // 48 is not below 48: not even "..."
        {"", 0, ""},                                     // an empty text in no column at all
        {"A", 30, "A"},                                  // 16 < 24
        {"AB", 30, ""},                                  // two characters, no room for "..."
        {"AB", 38, ""},                                  // 32 is not below 32
        {"AB", 60, "AB"},                                // 32 < 54
        {"\xc3\xa9t\xc3\xa9-long", 100, "\xc3\xa9t..."}, // whole UTF-8 characters only
    };
    for (const Case& c : cases) {
        const std::string fitted = fitText(canvas, c.text, c.width);
        EXPECT_EQ(fitted, c.fitted) << c.text << " in " << c.width;
        if (fitted != c.text) {
            EXPECT_LT(canvas.textSize(fitted).width, c.width - 6) << c.text << " in " << c.width;
        }
    }
}
