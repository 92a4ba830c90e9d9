#include "exchange/channel_import.h"

#include "exchange/csv_text.h"
#include "exchange/generic_columns.h"
#include "exchange/generic_layout.h"
#include "exchange/header_columns.h"
#include "exchange/program_layout.h"
#include "exchange/row_commit.h"

#include <algorithm>
#include <set>

namespace exchange {

namespace {

// Tab-separated when the first line holds a tab and no comma (as a
// spreadsheet's copy gives); comma-separated otherwise.
char SeparatorOf(std::string_view text) {
    const std::string_view first = text.substr(0, text.find_first_of("\r\n"));
    return first.find('\t') != std::string_view::npos && first.find(',') == std::string_view::npos
               ? '\t'
               : ',';
}

bool IsBlank(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return TrimBlanks(field).empty(); });
}

ChannelImport Refused(std::string error) {
    ChannelImport import;
    import.error = std::move(error);
    return import;
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

// Why a header line names no layout, with the columns each layout accepts.
std::string UnknownColumnsText(const TextCatalogue& texts) {
    std::vector<std::string> program;
    for (int col = 0; col <= kChannelColumns; ++col)
        program.emplace_back(ProgramColumnName(col, texts));
    std::vector<std::string> other;
    for (const generic::GenericColumn& column : generic::kGenericColumns)
        other.emplace_back(column.name);
    return FormatText(
        texts.Tr("ChannelImport",
                 "The file is not a channel list: its first line names none of the columns this "
                 "program reads. This program's layout has the columns %1; the layout of other "
                 "programming tools needs Frequency and may have %2."),
        {JoinNames(program), JoinNames(other)});
}

// The layout's reader for a header line, or the reason there is none.
std::unique_ptr<LayoutRows> LayoutFor(const std::vector<std::string>& header, CsvLayout& layout,
                                      std::string& error, const TextCatalogue& texts) {
    if (const std::optional<std::string> twice = HeaderColumns(header).Duplicate()) {
        error = FormatText(
            texts.Tr("ChannelImport", "The column \"%1\" appears twice in the first line."),
            {*twice});
        return nullptr;
    }
    std::vector<std::string> missing;
    if (std::unique_ptr<LayoutRows> rows = ProgramLayoutRows(header, missing, texts)) {
        layout = CsvLayout::Program;
        if (missing.empty())
            return rows;
        error = FormatText(texts.Tr("ChannelImport", "The file lacks the columns: %1"),
                           {JoinNames(missing)});
        return nullptr;
    }
    if (std::unique_ptr<LayoutRows> rows = GenericLayoutRows(header)) {
        layout = CsvLayout::Generic;
        return rows;
    }
    error = UnknownColumnsText(texts);
    return nullptr;
}

} // namespace

ChannelImport ReadChannelCsv(std::string_view text, const BandPlan& bands,
                             const TextCatalogue& texts) {
    const CsvReadResult csv = ReadCsv(text, SeparatorOf(text));
    if (!csv.Ok())
        return Refused(CsvErrorText(csv.error, csv.errorLine, texts));
    if (csv.records.empty())
        return Refused(texts.Tr("ChannelImport", "The file is empty."));
    ChannelImport import;
    const std::unique_ptr<LayoutRows> rows =
        LayoutFor(csv.records[0].fields, import.layout, import.error, texts);
    if (!rows)
        return import;
    RowCommitter committer(bands, texts);
    for (std::size_t i = 1; i < csv.records.size(); ++i) {
        const CsvRecord& record = csv.records[i];
        if (IsBlank(record.fields))
            continue; // a spreadsheet's empty row (",,,"): no channel, nothing to report
        RowProposal proposal = rows->Propose(record.fields, texts);
        for (std::string& warning : proposal.warnings)
            import.warnings.push_back({record.line, std::move(warning), 0});
        if (proposal.skip) {
            import.skipped.push_back({record.line, std::move(proposal.reason), 0});
            continue;
        }
        ImportNote refusal;
        refusal.line = record.line;
        if (std::optional<ChannelTexts> cells = committer.Commit(proposal.texts, refusal))
            import.channels.push_back({record.line, proposal.location, std::move(*cells)});
        else
            import.skipped.push_back(std::move(refusal));
    }
    if (import.channels.empty() && import.skipped.empty()) {
        return Refused(texts.Tr("ChannelImport", "The file holds a header line and no channels."));
    }
    if (import.channels.empty()) {
        import.error = texts.Tr("ChannelImport", "No row of the file can be imported.");
        return import;
    }
    import.ok = true;
    return import;
}

PlacedChannels PlaceChannels(const ChannelTable& current, const ChannelImport& import,
                             Placement placement, const TextCatalogue& texts) {
    PlacedChannels placed;
    placed.table = current;
    ChannelTable& table = placed.table;
    const auto empty = [&table](int row) { return table[row - 1][kColRx - 1].empty(); };
    std::set<int> locations;
    for (const ImportedChannel& channel : import.channels)
        locations.insert(channel.location);
    const bool byLocation = placement == Placement::Replace && !locations.contains(0) &&
                            locations.size() == import.channels.size();
    if (placement == Placement::Replace) {
        for (int row = 1; row < kChannelRows; ++row)
            table[row - 1] = {};
        if (locations.contains(kChannelRows))
            table[kChannelRows - 1] = {};
    }
    int next = 1; // next row to try in file order
    for (const ImportedChannel& channel : import.channels) {
        int row = 0;
        if (byLocation) {
            row = channel.location;
        } else if (channel.location == kChannelRows) {
            row = empty(kChannelRows) ? kChannelRows : 0;
        } else {
            while (next < kChannelRows && !empty(next))
                ++next;
            row = next < kChannelRows ? next : 0;
        }
        if (row == 0) {
            placed.unplaced.push_back(
                {channel.line, texts.Tr("ChannelImport", "no empty row is left for this channel"),
                 0});
            continue;
        }
        table[row - 1] = channel.texts;
        ++placed.placed;
    }
    return placed;
}

std::vector<ImportNote> SkippedRows(const ChannelImport& import, const PlacedChannels& placed) {
    std::vector<ImportNote> skipped = import.skipped;
    skipped.insert(skipped.end(), placed.unplaced.begin(), placed.unplaced.end());
    return skipped;
}

std::string WriteChannelCsv(const ChannelTable& table, CsvLayout layout,
                            const TextCatalogue& texts) {
    return WriteCsv(layout == CsvLayout::Program ? ProgramLayoutLines(table, texts)
                                                 : GenericLayoutLines(table));
}

} // namespace exchange
