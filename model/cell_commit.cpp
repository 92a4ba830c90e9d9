#include "model/cell_commit.h"

#include "model/band.h"
#include "model/channel_codec.h"
#include "model/display_words.h"
#include "model/gbk.h"
#include "model/string_table.h"

#include <algorithm>
#include <cctype>

namespace {

char LowerAscii(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

bool BeginsIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::vector<std::string> WordItems(std::initializer_list<Word> words, bool chinese) {
    std::vector<std::string> items;
    for (Word w : words) {
        items.emplace_back(WordText(w, chinese));
    }
    return items;
}

std::vector<std::string> ListItems(CellEditor editor, bool chinese) {
    switch (editor) {
    case CellEditor::PowerList:
        return WordItems({Word::Low, Word::High}, chinese);
    case CellEditor::WidthList:
        return WordItems({Word::Wide, Word::Narrow}, chinese);
    case CellEditor::ScanList:
        return WordItems({Word::Yes, Word::No}, chinese);
    case CellEditor::BusyList:
        return WordItems({Word::Off, Word::Carrier, Word::ToneLock}, chinese);
    default:
        return {};
    }
}

void ClearRow(ChannelTexts& row) {
    for (std::string& cell : row) {
        cell.clear();
    }
}

CommitResult Message(int id, CellMessageIcon icon) {
    CommitResult r;
    r.messageId = id;
    r.captionId = IDS_CAUTION;
    r.icon = icon;
    return r;
}

// A refused frequency: the message, and the table stays as it was. Enter
// clears the edit and keeps it open. Leaving the cell keeps the edit open
// with the user's text when keptOnLeave, else drops it: the cell keeps the
// value it had before the edit and the grid moves on.
CommitResult Refused(int id, CellMessageIcon icon, CommitTrigger trigger, bool keptOnLeave) {
    CommitResult r = Message(id, icon);
    r.clearEditText = trigger == CommitTrigger::Enter;
    r.editorVisible = r.clearEditText || keptOnLeave;
    return r;
}

CommitResult CommitRx(ChannelTexts& row, const BandPlan& bands, std::string_view editorText,
                      bool bChinese, CommitTrigger trigger) {
    CommitResult r;
    if (editorText.empty()) {
        ClearRow(row);
        r.effect = CommitEffect::RowCleared;
        return r;
    }
    const std::string t = NormalizeFrequencyText(editorText);
    const std::int32_t v = FrequencyToUnits(t);
    if (v < 6700000 || v > 60000000) {
        return Refused(IDS_ERROR_DATA_FORMAT, CellMessageIcon::Stop, trigger, true);
    }
    if (v % 500 != 0 && v % 625 != 0) {
        // A typo off the steps costs the edit, never the channel.
        return Refused(IDS_ERROR_STEP_VALUE, CellMessageIcon::Exclamation, trigger, false);
    }
    if (!bands.InBands(v)) {
        return Refused(IDS_OUT_OF_RANGE, CellMessageIcon::Exclamation, trigger, true);
    }
    if (!row[kColRx - 1].empty()) {
        row[kColRx - 1] = t;
        r.effect = CommitEffect::CellSet;
    } else {
        row = NewChannelDefaults(t, bChinese);
        r.effect = CommitEffect::NewChannel;
    }
    return r;
}

CommitResult CommitTx(ChannelTexts& row, const BandPlan& bands, std::string_view editorText,
                      CommitTrigger trigger) {
    CommitResult r;
    const bool noChannel = row[kColRx - 1].empty();
    if (noChannel && editorText.empty()) {
        row[kColTx - 1].clear();
        r.effect = CommitEffect::CellSet;
        return r;
    }
    const std::string t = NormalizeFrequencyText(editorText);
    // Outside the bands the channel would transmit where nobody asked:
    // refused like a receive frequency, the cell keeping its value.
    if (!bands.InBands(FrequencyToUnits(t))) {
        return Refused(IDS_OUT_OF_RANGE, CellMessageIcon::Exclamation, trigger, false);
    }
    // A transmit frequency needs its channel: the user is told rather than
    // the typed value vanishing.
    if (noChannel) {
        return Refused(IDS_RX_FREQUENCY_FIRST, CellMessageIcon::Exclamation, trigger, false);
    }
    row[kColTx - 1] = t;
    r.effect = CommitEffect::CellSet;
    return r;
}

} // namespace

CellEditor EditorOfColumn(int col) {
    switch (col) {
    case kColDecodeTone:
    case kColEncodeTone:
        return CellEditor::ToneList;
    case kColName:
        return CellEditor::Name;
    case kColPower:
        return CellEditor::PowerList;
    case kColWidth:
        return CellEditor::WidthList;
    case kColScan:
        return CellEditor::ScanList;
    case kColBusy:
        return CellEditor::BusyList;
    default:
        return CellEditor::Frequency;
    }
}

bool IsListEditor(CellEditor editor) {
    return editor != CellEditor::Frequency && editor != CellEditor::Name;
}

std::vector<std::string> EditorListItems(CellEditor editor, bool bChinese) {
    if (editor == CellEditor::ToneList) {
        return ToneList(bChinese);
    }
    return ListItems(editor, bChinese);
}

int ListSelectionForText(const std::vector<std::string>& items, std::string_view text) {
    const auto it = std::find_if(items.begin(), items.end(), [text](const std::string& item) {
        return BeginsIgnoringCase(item, text);
    });
    return it == items.end() ? 0 : static_cast<int>(it - items.begin());
}

bool FrequencyEditAcceptsChar(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

TextId EditorLengthLimit(CellEditor editor) {
    switch (editor) {
    case CellEditor::Frequency:
        return TEXT_ID("CellCommit", "a frequency holds at most 9 characters");
    case CellEditor::Name:
        return TEXT_ID("CellCommit",
                       "a channel name holds at most 7 bytes (a Chinese character counts two)");
    default:
        return {};
    }
}

EditorInput EditorInputFor(int col, std::string_view typed, bool bChinese) {
    EditorInput in;
    const CellEditor editor = EditorOfColumn(col);
    if (editor == CellEditor::Frequency) {
        if (!std::all_of(typed.begin(), typed.end(), FrequencyEditAcceptsChar)) {
            in.reason = TEXT_ID("CellCommit", "a frequency holds only digits and \".\"");
        } else if (typed.size() > kFrequencyEditMaxChars) {
            in.reason = EditorLengthLimit(editor);
        } else {
            in.ok = true;
            in.text = typed;
        }
        return in;
    }
    if (editor == CellEditor::Name) {
        const std::optional<std::string> gbk = Utf8ToGbkExact(typed);
        const bool control = std::any_of(typed.begin(), typed.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        });
        if (control) {
            in.reason = TEXT_ID("CellCommit",
                                "a channel name holds no control characters (tab, line break)");
        } else if (!gbk) {
            in.reason = TEXT_ID("CellCommit",
                                "a channel name holds only characters of the GBK character set");
        } else if (gbk->size() > kNameEditMaxBytes) {
            in.reason = EditorLengthLimit(editor);
        } else {
            in.ok = true;
            in.text = typed;
        }
        return in;
    }
    // A list: an item of the language shown, or the same item in the other
    // language, case ignored.
    const std::vector<std::string> items = EditorListItems(editor, bChinese);
    const std::vector<std::string> other =
        editor == CellEditor::ToneList ? std::vector<std::string>{WordText(Word::NoTone, !bChinese)}
                                       : ListItems(editor, !bChinese);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const bool sameItem = EqualsIgnoringCase(items[i], typed) ||
                              (i < other.size() && EqualsIgnoringCase(other[i], typed));
        if (sameItem) {
            in.ok = true;
            in.text = items[i];
            return in;
        }
    }
    in.reason = TEXT_ID("CellCommit", "not an item of the column's list");
    return in;
}

std::string NormalizeFrequencyText(std::string_view text) {
    return FormatMhz(ParseAtof(text));
}

ChannelTexts NewChannelDefaults(const std::string& freq, bool bChinese) {
    return {freq,
            freq,
            WordText(Word::NoTone, bChinese),
            WordText(Word::NoTone, bChinese),
            "",
            WordText(Word::High, bChinese),
            WordText(Word::Wide, bChinese),
            WordText(Word::Yes, bChinese),
            WordText(Word::Off, bChinese)};
}

CommitResult CommitCellEdit(ChannelTable& table, const BandPlan& bands, int row, int col,
                            std::string_view editorText, bool bChinese, CommitTrigger trigger) {
    if (row < 1 || row > kChannelRows || col < 1 || col > kChannelColumns) {
        return {};
    }
    ChannelTexts& texts = table[static_cast<std::size_t>(row - 1)];
    if (col == kColRx) {
        return CommitRx(texts, bands, editorText, bChinese, trigger);
    }
    if (col == kColTx) {
        return CommitTx(texts, bands, editorText, trigger);
    }
    std::string& cell = texts[static_cast<std::size_t>(col - 1)];
    const bool noFrequencies = texts[kColRx - 1].empty() && texts[kColTx - 1].empty();
    cell = noFrequencies ? std::string() : std::string(editorText);
    CommitResult r;
    r.effect = CommitEffect::CellSet;
    return r;
}
