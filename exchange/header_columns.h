#pragma once
// The columns a CSV header line names, found by name: blanks around a name
// and the case of Latin letters do not matter.

#include "model/blank_text.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

// A name as headers are compared: blanks trimmed, ASCII letters lower case.
std::string HeaderKey(std::string_view name);

class HeaderColumns {
public:
    explicit HeaderColumns(const std::vector<std::string>& header);

    // Index of the column called name (any of its spellings), or -1.
    int Find(std::initializer_list<std::string_view> names) const;
    // The first name that heads more than one column, if any.
    std::optional<std::string> Duplicate() const { return duplicate_; }

private:
    std::vector<std::string> keys_;
    std::optional<std::string> duplicate_;
};

// Field index of a record, or "" when the record is shorter or index is -1.
const std::string& FieldAt(const std::vector<std::string>& fields, int index);

} // namespace exchange
