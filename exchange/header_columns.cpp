#include "exchange/header_columns.h"

#include <algorithm>

namespace exchange {

std::string HeaderKey(std::string_view name) {
    std::string key(TrimBlanks(name));
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

HeaderColumns::HeaderColumns(const std::vector<std::string>& header) {
    for (const std::string& name : header) {
        std::string key = HeaderKey(name);
        if (!key.empty() && !duplicate_ &&
            std::find(keys_.begin(), keys_.end(), key) != keys_.end())
            duplicate_ = name;
        keys_.push_back(std::move(key));
    }
}

int HeaderColumns::Find(std::initializer_list<std::string_view> names) const {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        for (const std::string_view name : names) {
            if (keys_[i] == HeaderKey(name))
                return static_cast<int>(i);
        }
    }
    return -1;
}

const std::string& FieldAt(const std::vector<std::string>& fields, int index) {
    static const std::string empty;
    return index >= 0 && static_cast<std::size_t>(index) < fields.size()
               ? fields[static_cast<std::size_t>(index)]
               : empty;
}

} // namespace exchange
