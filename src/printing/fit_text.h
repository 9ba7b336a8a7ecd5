#pragma once

#include "printing/print_canvas.h"

#include <string>
#include <string_view>

// A text that fits a table column of `width` pixels: left alone when it is
// narrower than width - 6; otherwise it ends in "..." and loses characters
// before the "..." until it is. A column too narrow even for "..." gets
// nothing, so a text never runs past its column.
std::string fitText(PrintCanvas& canvas, std::string_view text, int width);
