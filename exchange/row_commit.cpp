#include "exchange/row_commit.h"

#include "exchange/program_layout.h"
#include "model/cell_commit.h"
#include "model/string_table.h"

namespace exchange {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

void Refuse(ImportNote& refusal, int col, const std::string& text, const std::string& reason,
            const TextCatalogue& texts) {
    refusal.text = std::string(ProgramColumnName(col, texts)) + " " + Quoted(text) + ": " + reason;
    refusal.messageId = 0;
}

void RefuseWithMessage(ImportNote& refusal, int messageId) {
    refusal.text = StringTableText(messageId);
    refusal.messageId = messageId;
}

} // namespace

bool RowCommitter::CellInput(int col, const std::string& text, std::string& input,
                             std::string& reason) {
    const bool list = IsListEditor(EditorOfColumn(col));
    const auto key = std::make_pair(col, text);
    auto it = listInputs_.find(key);
    if (it == listInputs_.end()) {
        const EditorInput in = EditorInputFor(col, text, texts_.bChinese());
        const auto outcome = std::make_pair(in.ok, in.ok ? in.text : texts_.Tr(in.reason));
        if (!list) {
            (in.ok ? input : reason) = outcome.second;
            return in.ok;
        }
        it = listInputs_.emplace(key, outcome).first;
    }
    (it->second.first ? input : reason) = it->second.second;
    return it->second.first;
}

std::optional<ChannelTexts> RowCommitter::Commit(const ChannelTexts& proposed,
                                                 ImportNote& refusal) {
    ChannelTexts& row = scratch_[0];
    row = {};
    if (proposed[kColRx - 1].empty()) {
        refusal.text = texts_.Tr("RowCommit", "the row has no Rx frequency");
        refusal.messageId = 0;
        return std::nullopt;
    }
    for (int col = kColRx; col <= kColBusy; ++col) {
        const std::string& text = proposed[col - 1];
        if (text.empty() && col != kColRx)
            continue; // the new channel's default stays (Tx: the Rx frequency)
        std::string input, reason;
        if (!CellInput(col, text, input, reason)) {
            Refuse(refusal, col, text, reason, texts_);
            return std::nullopt;
        }
        const CommitResult r = CommitCellEdit(scratch_, bands_, 1, col, input, texts_.bChinese());
        if (r.Refused() && col == kColTx) {
            // Named with its value: an offset in the file may have put it there.
            Refuse(refusal, col, text, texts_.Tr("RowCommit", "outside the radio's bands"), texts_);
            return std::nullopt;
        }
        if (r.Refused()) {
            RefuseWithMessage(refusal, r.messageId);
            return std::nullopt;
        }
    }
    return row;
}

} // namespace exchange
