#include "printing/list_fonts.h"

#include <gtest/gtest.h>

TEST(ListFonts, FaceAndCharacterSetFollowTheDisplayLanguageAndSizesTheResolution) {
    struct Case {
        uint8_t language;
        const char* face;
        int charset;
    };
    const Case cases[] = {{11, "MS UI Gothic", 128}, {6, "Tahoma", 204}, {0, "Tahoma", 1},
                          {7, "Tahoma", 1},          {12, "Tahoma", 1},  {255, "Tahoma", 1}};
    for (const Case& c : cases) {
        const ListFonts fonts = listFonts(c.language, 600);
        for (const FontRequest* font : {&fonts.base, &fonts.title, &fonts.table}) {
            EXPECT_EQ(font->face, c.face) << int(c.language);
            EXPECT_EQ(font->charset, c.charset) << int(c.language);
            EXPECT_EQ(font->weight, 700);
            EXPECT_EQ(font->outputPrecision, 5);
            EXPECT_EQ(font->clipPrecision, 1);
        }
        EXPECT_EQ(fonts.base.height, 100);  // 12 points at 600 dpi
        EXPECT_EQ(fonts.title.height, 166); // 20 points
        EXPECT_EQ(fonts.table.height, 66);  // 8 points
    }
}
