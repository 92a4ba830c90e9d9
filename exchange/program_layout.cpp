#include "exchange/program_layout.h"

#include "exchange/decimal_units.h"
#include "exchange/header_columns.h"
#include "model/channel_columns.h"

#include <set>

namespace exchange {

namespace {

struct ColumnNames {
    const char* english;
    const char* chinese;
    const char* other; // a further spelling a header may use: the grid's own
};

// The column names stay here in both languages, not in the catalogue: an
// import recognises a header in either language whatever the language in
// use, and a third language's catalogue must not change which files read.
const ColumnNames kColumns[kChannelColumns + 1] = {
    {"CH", "信道", "CH"},
    {"Rx Frequency", "接收频率", "Rx Frequency"},
    {"Tx Frequency", "发射频率", "Tx Frequency"},
    {"QT/DQT Dec", "QT/DQT解码", "QT/DQT Decode"},
    {"QT/DQT Enc", "QT/DQT编码", "QT/DQT Encode"},
    {"Channel Name", "信道名字", "Chnnel Name"},
    {"Power", "功率", "Power"},
    {"W/N", "宽/窄", "Wide/Narrow"},
    {"Scan Add", "扫描添加", "Scan Add"},
    {"Busy Lock", "繁忙锁定", "Busy Lock"},
};

// The grid column (0 = CH .. 9) a header title names in any of its
// spellings, or -1.
int ColumnOfTitle(const std::string& title) {
    const std::string key = HeaderKey(title);
    for (int col = 0; col <= kChannelColumns; ++col) {
        for (const char* name : {kColumns[col].english, kColumns[col].chinese, kColumns[col].other}) {
            if (key == HeaderKey(name))
                return col;
        }
    }
    return -1;
}

int FindColumn(const HeaderColumns& columns, int col) {
    const ColumnNames& names = kColumns[col];
    return columns.Find({names.english, names.chinese, names.other});
}

// A frequency cell as the grid writes it: any decimal text, normalised to
// five decimals in whole units, so that "145.125" and "145.12500" agree.
std::string FrequencyCell(const std::string& text) {
    const std::optional<std::int64_t> units = ParseDecimalUnits(text, kMhzDecimals);
    return units ? FormatDecimalUnits(*units, kMhzDecimals) : text;
}

class ProgramRows : public LayoutRows {
public:
    explicit ProgramRows(std::vector<int> indexes) : indexes_(std::move(indexes)) {}

    RowProposal Propose(const std::vector<std::string>& fields,
                        const TextCatalogue& texts) const override {
        RowProposal proposal;
        const std::string& label = FieldAt(fields, indexes_[0]);
        proposal.location = RowOfLabel(label);
        if (proposal.location == 0) {
            proposal.warnings.push_back(FormatText(
                texts.Tr("ProgramLayout", "CH \"%1\" names no row: the channel goes in file order"),
                {label}));
        }
        for (int col = 1; col <= kChannelColumns; ++col) {
            const std::string& field = FieldAt(fields, indexes_[col]);
            // A name keeps its blanks; other cells are read without them.
            const std::string text = col == kColName ? field : std::string(TrimBlanks(field));
            proposal.texts[col - 1] = col == kColRx || col == kColTx ? FrequencyCell(text) : text;
        }
        return proposal;
    }

private:
    std::vector<int> indexes_; // field index of CH and columns 1..9
};

} // namespace

const char* ProgramColumnName(int col, const TextCatalogue& texts) {
    return texts.bChinese() ? kColumns[col].chinese : kColumns[col].english;
}

std::unique_ptr<LayoutRows> ProgramLayoutRows(const std::vector<std::string>& header,
                                              std::vector<std::string>& missing,
                                              const TextCatalogue& texts) {
    const HeaderColumns columns(header);
    if (FindColumn(columns, 0) < 0 && FindColumn(columns, kColRx) < 0)
        return nullptr;
    std::vector<int> indexes;
    for (int col = 0; col <= kChannelColumns; ++col) {
        indexes.push_back(FindColumn(columns, col));
        if (indexes.back() < 0)
            missing.push_back(ProgramColumnName(col, texts));
    }
    return std::make_unique<ProgramRows>(std::move(indexes));
}

std::vector<std::vector<std::string>> ProgramLayoutLines(const ChannelTable& table,
                                                         const TextCatalogue& texts) {
    std::vector<std::vector<std::string>> lines(1);
    for (int col = 0; col <= kChannelColumns; ++col)
        lines[0].push_back(ProgramColumnName(col, texts));
    for (int row = 1; row <= kChannelRows; ++row) {
        const ChannelTexts& cells = table[static_cast<std::size_t>(row - 1)];
        if (cells[kColRx - 1].empty())
            continue;
        std::vector<std::string> line{ChannelRowLabel(row)};
        line.insert(line.end(), cells.begin(), cells.end());
        lines.push_back(std::move(line));
    }
    return lines;
}

int RowOfLabel(const std::string& label) {
    const std::string key = HeaderKey(label);
    if (key == "fr")
        return kChannelRows;
    if (key.empty() || key.size() > 3 || key.front() == '0')
        return 0;
    int row = 0;
    for (const char c : key) {
        if (c < '0' || c > '9')
            return 0;
        row = row * 10 + (c - '0');
    }
    return row <= kChannelRows - 1 ? row : 0;
}

CellBlock ProgramLayoutBlock(const ChannelTable& table, const std::vector<GridCell>& selection,
                             const TextCatalogue& texts) {
    std::set<int> rows;
    std::set<int> cols;
    for (const GridCell& cell : selection) {
        rows.insert(cell.row);
        cols.insert(cell.col);
    }
    const CellBlock cells = CopyCells(table, selection);
    CellBlock lines(1, std::vector<std::string>{ProgramColumnName(0, texts)});
    for (const int col : cols)
        lines[0].push_back(ProgramColumnName(col, texts));
    auto row = rows.begin();
    for (const std::vector<std::string>& values : cells) {
        std::vector<std::string> line{ChannelRowLabel(*row++)};
        line.insert(line.end(), values.begin(), values.end());
        lines.push_back(std::move(line));
    }
    return lines;
}

CellBlock WithoutProgramLayout(const CellBlock& block) {
    if (block.empty() || block.front().empty() || ColumnOfTitle(block.front().front()) != 0)
        return block;
    for (std::size_t i = 1; i < block.front().size(); ++i) {
        if (ColumnOfTitle(block.front()[i]) <= 0)
            return block;
    }
    CellBlock cells;
    for (std::size_t i = 1; i < block.size(); ++i)
        cells.emplace_back(block[i].size() > 1 ? block[i].begin() + 1 : block[i].end(), block[i].end());
    return cells;
}

} // namespace exchange
