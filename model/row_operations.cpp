#include "model/row_operations.h"

#include <algorithm>
#include <utility>

namespace {

ChannelTexts& RowOf(ChannelTable& table, int row) {
    return table[static_cast<std::size_t>(row - 1)];
}

// The valid rows of a selection, ascending, each once.
std::vector<int> SortedRows(const std::vector<int>& rows) {
    std::vector<int> sorted;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(sorted),
                 [](int row) { return row >= 1 && row <= kFrRow; });
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    return sorted;
}

RowOperationResult Refused(RowRefusal refusal) {
    RowOperationResult result;
    result.refusal = refusal;
    return result;
}

} // namespace

bool IsEmptyRow(const ChannelTable& table, int row) {
    const ChannelTexts& texts = table[static_cast<std::size_t>(row - 1)];
    return std::all_of(texts.begin(), texts.end(),
                       [](const std::string& cell) { return cell.empty(); });
}

RowOperationResult InsertRow(ChannelTable& table, int row) {
    if (row == kFrRow) {
        return Refused(RowRefusal::FrRowFixed);
    }
    if (row < 1 || row > kFrRow) {
        return Refused(RowRefusal::NoRows);
    }
    if (!IsEmptyRow(table, kLastMovableRow)) {
        return Refused(RowRefusal::PastLastRow);
    }
    for (int r = kLastMovableRow; r > row; --r) {
        RowOf(table, r) = std::move(RowOf(table, r - 1));
    }
    RowOf(table, row) = ChannelTexts{};
    RowOperationResult result;
    result.rows = {row};
    return result;
}

RowOperationResult RemoveRows(ChannelTable& table, const std::vector<int>& rows) {
    const std::vector<int> sorted = SortedRows(rows);
    if (sorted.empty()) {
        return Refused(RowRefusal::NoRows);
    }
    // Keep the channel rows that are not removed, in order, then pad.
    int kept = 0;
    for (int r = 1; r <= kLastMovableRow; ++r) {
        if (!std::binary_search(sorted.begin(), sorted.end(), r)) {
            ++kept;
            if (kept != r) {
                RowOf(table, kept) = std::move(RowOf(table, r));
            }
        }
    }
    for (int r = kept + 1; r <= kLastMovableRow; ++r) {
        RowOf(table, r) = ChannelTexts{};
    }
    if (sorted.back() == kFrRow) {
        RowOf(table, kFrRow) = ChannelTexts{};
    }
    RowOperationResult result;
    result.rows = {std::min(sorted.front(), kFrRow)};
    return result;
}

RowOperationResult MoveRows(ChannelTable& table, const std::vector<int>& rows, int delta) {
    const std::vector<int> sorted = SortedRows(rows);
    if (sorted.empty() || (delta != -1 && delta != 1)) {
        return Refused(RowRefusal::NoRows);
    }
    if (sorted.back() == kFrRow) {
        return Refused(RowRefusal::FrRowFixed);
    }
    if (delta < 0 && sorted.front() == 1) {
        return Refused(RowRefusal::BeforeFirstRow);
    }
    if (delta > 0 && sorted.back() == kLastMovableRow) {
        return Refused(RowRefusal::PastLastRow);
    }
    // Swapping each selected row with its neighbour, nearest to the direction
    // of travel first, moves blocks of adjacent rows as a whole.
    RowOperationResult result;
    const auto swapWithNeighbour = [&](int r) {
        std::swap(RowOf(table, r), RowOf(table, r + delta));
        result.rows.push_back(r + delta);
    };
    if (delta < 0) {
        std::for_each(sorted.begin(), sorted.end(), swapWithNeighbour);
    } else {
        std::for_each(sorted.rbegin(), sorted.rend(), swapWithNeighbour);
        std::reverse(result.rows.begin(), result.rows.end());
    }
    return result;
}

TextId RowRefusalWords(RowRefusal refusal) {
    switch (refusal) {
    case RowRefusal::NoRows:
        return TEXT_ID("RowOperations", "Select the rows first.");
    case RowRefusal::FrRowFixed:
        return TEXT_ID("RowOperations", "The Fr row keeps its place.");
    case RowRefusal::PastLastRow:
        return TEXT_ID("RowOperations",
                       "This would push a channel past row 128; nothing was changed.");
    case RowRefusal::BeforeFirstRow:
        return TEXT_ID("RowOperations", "Row 1 is the first row; nothing was changed.");
    case RowRefusal::None:
        break;
    }
    return {};
}
