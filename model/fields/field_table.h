#pragma once
// A settings dialog described as a table of fields: for each control, its
// name (the key of the command line's show and set; the dialogs give the
// control its ids by this name), its kind, its items in both languages, the
// rules of its edit, and the two functions that load it from the image and
// store it back. The dialogs bind
// their controls through such a table with one loop each way, and the command
// line shows and sets the same fields through it, so both see exactly what
// the dialog's controls would.
//
// A page is a set of fields that load together and store together (a whole
// dialog that stores on OK, or one tab page that stores when it is hidden).
// The groups of pages the dialogs and the command line edit are listed in
// model/fields/settings_groups.h.

#include "model/fields/field_codec.h"
#include "model/radio_image.h"
#include "model/text_catalogue.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fields {

enum class FieldKind {
    List,     // drop-down list without edit field: value.index
    Edit,     // text edit: value.text
    Check,    // check box: value.checked
    Choice,   // group of radio buttons: value.index (button position)
    Cell,     // text cell of a grid (row, column of the grid id): value.text
    PickEdit, // edit whose text is chosen from a drop-down list: value.text
};

// An item of a list or a radio button in both languages (UTF-8).
struct ItemText {
    std::string english;
    std::string chinese;
};

// What one control shows.
struct FieldValue {
    int index = -1; // List, Choice: selected position, -1 none
    bool checked = false;
    std::string text; // Edit, Cell, PickEdit
    // Edit: the user typed into the control since it was loaded (a value
    // given on the command line counts as typed).
    bool edited = false;

    bool operator==(const FieldValue&) const = default;
};

// The rules of a text control.
struct EditRule {
    int maxLength = 0;      // 0: no limit
    std::string allowed;    // characters the key filter lets in; empty: any but controls
    bool upperCase = false; // the control turns letters into capitals
    // Leaving the edit: the text it is rewritten to; empty function keeps it.
    std::function<std::string(std::string_view)> normalise;
    // One spin button notification (delta +1 up, -1 down): the new text.
    std::function<std::string(std::string_view, int)> spin;
};

struct FieldSpec {
    std::string name;
    // The text that labels the control (a label beside it, a check box's own
    // text, the title of a button group), marked for the catalogue; none: the
    // control has no label of its own.
    TextId label;
    FieldKind kind = FieldKind::Edit;
    std::vector<ItemText> items; // List, Choice, PickEdit
    int row = 0;                 // Cell
    int column = 0;              // Cell
    EditRule edit;               // Edit, Cell
    // A PickEdit's load gives its item's English text; LoadField shows it in
    // the language of the window.
    std::function<FieldValue(const RadioImage&)> load;
    std::function<void(const FieldValue&, RadioImage&)> store;
    // List, Choice: the code the image holds for the field (its byte or its
    // bits), so that a code no item stores can be told from the item it
    // shows; empty function: not told apart.
    std::function<int(const RadioImage&)> code;
};

using FieldTable = std::vector<FieldSpec>;
using FieldValues = std::vector<FieldValue>;

struct FieldPage {
    std::string name;
    FieldTable fields;
    // A page that stores when it is hidden also stores, with the values its
    // controls hold, when its dialog ends while it is loaded.
    bool storesAtEnd = false;

    // The field called name; a name the page does not have throws
    // std::out_of_range, so that a misspelt name fails where it is used.
    const FieldSpec& Field(std::string_view name) const;
};

// What the control of spec shows for image: its load, with a PickEdit's item
// in Chinese when bChinese (the language flag), else in English.
FieldValue LoadField(const FieldSpec& spec, const RadioImage& image, bool bChinese);
// LoadField of every field of the table.
FieldValues LoadFields(const FieldTable& table, const RadioImage& image, bool bChinese);
// Stores every field; values holds one value per field of the table.
void StoreFields(const FieldTable& table, const FieldValues& values, RadioImage& image);

const FieldSpec* FindField(const FieldTable& table, std::string_view name);

// Text of an item in Chinese when bChinese, else in English.
const std::string& ItemInLanguage(const ItemText& item, bool bChinese);
// Position of the item whose English or Chinese text is exactly text; -1 none.
int ItemIndex(const std::vector<ItemText>& items, std::string_view text);
// "Off", "1" ... "9": a first item followed by numbers (step apart, from first).
std::vector<ItemText> NumberedItems(ItemText head, int first, int count, int step = 1);

// The English text a control shows: a list's or button group's selected item
// ("" with no selection), an edit's text, "true"/"false" for a check box.
std::string ShownText(const FieldSpec& spec, const FieldValue& value);

// The value a control ends up with when the user sets it to input: a list
// or button group takes one of its items in either language, a check box
// "true"/"false" (or "1"/"0"), an edit the text as its key filter, text limit
// and capitals make it, then normalised as leaving the edit does; a picked
// item is held as its English text. Nothing when no control would accept
// the input.
std::optional<FieldValue> AcceptInput(const FieldSpec& spec, std::string_view input);
// What the control accepts, for a message to the user.
std::string AllowedText(const FieldSpec& spec);

// Helpers that build the usual kinds of field.

// A list whose position is stored as a whole byte; a byte beyond the last
// item shows the first item; no selection stores 0.
FieldSpec ListOnByte(std::string name, TextId label, std::vector<ItemText> items,
                     std::size_t offset);
// A list stored as a code in a group of bits: codes[i] is the code of item i;
// a code no item stores shows item shows[code] (shows has one entry per code).
FieldSpec ListOnBits(std::string name, TextId label, std::vector<ItemText> items, BitField bits,
                     std::vector<int> codes, std::vector<int> shows);
// A text edit on a character field. The interface's UTF-8 text is stored as
// GBK character codes, cut between characters to the field's length.
FieldSpec TextOnField(std::string name, TextId label, TextField field, EditRule rule);
// A check box on one bit; inverted: a clear bit is checked.
FieldSpec CheckOnBit(std::string name, TextId label, std::size_t offset, int bit,
                     bool inverted = false);

} // namespace fields
