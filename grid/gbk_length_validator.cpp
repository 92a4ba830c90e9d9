#include "grid/gbk_length_validator.h"

#include "model/gbk.h"

QValidator::State GbkLengthValidator::validate(QString& input, int&) const {
    const std::size_t bytes = GbkByteLength(input.toStdString());
    return bytes <= static_cast<std::size_t>(m_maxBytes) ? Acceptable : Invalid;
}
