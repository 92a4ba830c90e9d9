#pragma once
// Refuses any text of the name edit whose GBK form is longer than the limit
// (a Chinese character counts two bytes), as the radio stores the name.

#include <QValidator>

class GbkLengthValidator : public QValidator {
public:
    GbkLengthValidator(int maxBytes, QObject* parent) : QValidator(parent), m_maxBytes(maxBytes) {}

    State validate(QString& input, int& pos) const override;

private:
    int m_maxBytes;
};
