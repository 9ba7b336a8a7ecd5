#pragma once

#include "store/dial_entry.h"
#include "store/entry_values.h"
#include "store/text_filters.h"
#include "workspace/workspace.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The One Touch and Speed Dial register dialog, decided apart from its
// controls: what it shows in each mode, what each field keeps of what is
// typed, what OK refuses and what it stores. The dialog only moves values
// between these functions and its controls.

struct RegisterForm {
    View view = View::oneTouch; // oneTouch or speedDial
    int index = 0;              // key or entry number
    DialEntry entry;            // the entry being edited
    bool trailingPlus = false;  // the number ends in '+': a combination key
    uint8_t language = 0;       // the machine's display language
    uint8_t paperFamily = 0;    // 0 metric, otherwise inch paper sizes
    bool networkKit = false;    // e-mail destinations need the network kit
};

// The form for row `index` of `view`, decoded from the tables (also into the
// Workspace's shared entry). A One Touch key holding a Group starts as an
// empty key: the user agreed to overwrite it, and OK will. An unused entry
// starts as a fax entry at "33.6K".
RegisterForm openRegisterForm(Workspace& workspace, View view, int index);

enum class RegisterMode { fax, combinationKey, email };
RegisterMode registerMode(const RegisterForm& form);

// The title: string prefixId, the number ("%02d" of index + 1) and, for a
// combination key, the suffix string.
struct RegisterTitle {
    int prefixId = 0;
    std::string number;
    int suffixId = 0; // 0: none
    bool operator==(const RegisterTitle&) const = default;
};
RegisterTitle registerTitle(const RegisterForm& form);

struct RegisterControlState {
    int controlId = 0;
    bool shown = false;
    bool enabled = false;
    bool operator==(const RegisterControlState&) const = default;
};

// Every control whose state follows the mode, with the texts that do.
struct RegisterLayout {
    std::vector<RegisterControlState> controls;
    int groupCaptionId = 0;
    int numberLabelId = 0;
    bool emailRadioEnabled = false;
};
RegisterLayout registerLayout(const RegisterForm& form);

// The edit fields: what is read of each, how it is filtered and limited.
enum class RegisterField { name, number, batchHour, batchMinute, emailAddress };
struct RegisterFieldRule {
    RegisterField field;
    int controlId;
    size_t readLimit; // characters read from the control
    size_t limit;     // the control's limit once its text is clean
};
std::span<const RegisterFieldRule> registerFieldRules();
const RegisterFieldRule* registerFieldOfControl(int controlId);

// Characters that the code page of the display language cannot hold are
// given to the filters as this byte, which no filter allows.
constexpr char kUnrepresentableCharacter = '\x01';

// A field changed to `typed` (one byte per character, in the PC code page):
// filters it, stores what is left into the entry and returns the filter's
// result for the control (write the text back and place the caret when
// something was removed, else set the limit). A changed number also
// decides the trailing plus.
FilteredText changeRegisterField(RegisterForm& form, RegisterField field, std::string_view typed);

// The text a field holds in the form.
std::string registerFieldText(const RegisterForm& form, RegisterField field);

// Radio buttons: destination, speed, e-mail scan option. Switching to
// e-mail drops the fax number, SUB and SID; switching to fax drops the
// address. Scan option 1 resets size, resolution and coding to the
// machine's defaults. Other controls change nothing.
void chooseRegisterRadio(RegisterForm& form, int controlId);
// Every radio button of the dialog.
std::span<const int> registerRadioControls();
// The radio button checked in each group: destination, speed, scan option.
std::vector<int> checkedRegisterRadios(const RegisterForm& form);

// The three e-mail combo boxes: their item strings and selected index.
std::vector<int> registerComboControls();
std::span<const int> registerComboStringIds(const RegisterForm& form, int comboId);
int registerComboSelection(const RegisterForm& form, int comboId);
void chooseRegisterComboItem(RegisterForm& form, int comboId, int selected);

// What OK refuses, in order: the message, the control to select, and for a
// range message its bounds.
struct RegisterRefusal {
    int messageId = 0;
    int controlId = 0;
    std::optional<std::pair<int, int>> range;
    bool operator==(const RegisterRefusal&) const = default;
};
std::optional<RegisterRefusal> validateRegisterForm(const RegisterForm& form);

// A message with its first two "%d" replaced by `low` and `high`.
std::string fillRangeMessage(std::string_view text, int low, int high);

// OK after validation: stamps and stores the entry, takes a combination key
// out of every Group, packs the image and marks it changed. Returns the rows
// of the view to show afresh, the entry's own first.
std::vector<int> saveRegisterForm(Workspace& workspace, RegisterForm& form,
                                  const CalendarDate& today);
