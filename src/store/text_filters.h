#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Keystroke filters of the edit fields that feed the phone book and the
// machine's text records. Texts are bytes in the PC code page of the
// machine's display language. A filter removes forbidden characters one at
// a time from the start of the text, as the edit control does when each
// removal writes the text back; the caret ends where the last character
// was removed.
struct FilteredText {
    std::string text;
    bool removed = false; // false: the text was accepted unchanged
    size_t caret = 0;     // where to put the caret when `removed`
};

// Characters that the code page of the display language cannot hold are
// given to the filters as this byte, which no filter allows.
constexpr char kUnrepresentableCharacter = '\x01';

// '0'-'9' (batch time, prefix, port).
FilteredText filterDigits(std::string_view text);

// The characters the dial codec stores: the fax number also takes 'P',
// space and '-'; the SUB and SID fields only digits, '*', '#' and '+'.
enum class DialField { faxNumber, subOrSid };
FilteredText filterDialNumber(std::string_view text, DialField field);

// 0x20-0x7E without ',', ':', ';', '<', '>', '"' and '\'.
FilteredText filterEmailAddress(std::string_view text);

// Names the machine can show in its display language (0-5 Western, 6
// Russian, 7-10 and above 11 Central European, 11 Japanese). For Japanese a
// lead byte 0x81 or 0x83 cuts the text there.
FilteredText filterName(std::string_view text, uint8_t language);

// The machine's e-mail setting texts: 0x20-0x7E; Japanese 0x20-0x7D
// without '\'. DEL (0x7F, which Ctrl+Backspace types) is no character.
FilteredText filterSettingText(std::string_view text, uint8_t language);

// An e-mail address as the machine takes it: one '@' exactly and at least
// one '.' anywhere.
bool isValidEmailAddress(std::string_view address);

// The station's telephone number: digits, '+', '-' and space.
FilteredText filterTelephoneNumber(std::string_view text);

// The batch transmission time's bounds.
constexpr int kLastBatchHour = 23;
constexpr int kLastBatchMinute = 59;
