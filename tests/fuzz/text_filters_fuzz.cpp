#include "store/text_filters.h"

#include <cstdlib>
#include <string_view>

namespace {

// A filtered text is never longer, is a fixed point of its filter, and puts
// the caret inside the text.
template <typename Filter> void requireSettled(std::string_view input, Filter filter) {
    FilteredText once = filter(input);
    if (once.text.size() > input.size() || (once.removed && once.caret > once.text.size()))
        std::abort();
    if (!once.removed && once.text != input)
        std::abort();
    FilteredText twice = filter(once.text);
    if (twice.removed || twice.text != once.text)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    uint8_t language = data[0];
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    requireSettled(text, filterDigits);
    requireSettled(text, filterEmailAddress);
    requireSettled(text, filterTelephoneNumber);
    requireSettled(text,
                   [](std::string_view t) { return filterDialNumber(t, DialField::faxNumber); });
    requireSettled(text,
                   [](std::string_view t) { return filterDialNumber(t, DialField::subOrSid); });
    requireSettled(text, [language](std::string_view t) { return filterName(t, language); });
    requireSettled(text, [language](std::string_view t) { return filterSettingText(t, language); });
    return 0;
}
