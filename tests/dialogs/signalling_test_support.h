#pragma once
// What the signalling dialog tests share besides the settings dialogs'
// support: ranges of offsets, the bytes the 2-Tone dialog owns,
// big-endian words of the image, and keys and clicks as a user gives them.

#include "dialogs/cell_edit_grid.h"
#include "model/radio_image.h"
#include "tests/model/changed_offsets.h"
#include "tests/ui/dialog_test_support.h"

#include <QApplication>
#include <QString>
#include <QtTest>

#include <set>
#include <utility>

inline std::set<std::size_t> Range(std::size_t first, std::size_t count) {
    std::set<std::size_t> offsets;
    for (std::size_t i = 0; i < count; ++i) {
        offsets.insert(first + i);
    }
    return offsets;
}

// Both forms of the encode list and the decode sets (bytes 0..15 of their
// rows) and of the timing.
inline Owned TwoToneOwned() {
    Owned owned;
    for (const auto& [start, rows] :
         {std::pair<std::size_t, std::size_t>{0x1500, 8}, {0x1680, 8}, {0x15C0, 4}, {0x1740, 4}}) {
        for (std::size_t row = 0; row < rows; ++row) {
            OwnRange(owned, start + 24 * row, 16);
        }
    }
    OwnRange(owned, 0x1620, 8);
    OwnRange(owned, 0x17A0, 7);
    return owned;
}

inline unsigned BE16(const RadioImage& image, std::size_t at) {
    return image[at] * 256u + image[at + 1];
}

inline void TypeKeypadNumber(QWidget* edit, const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('.')) {
            QTest::keyClick(edit, Qt::Key_Period, Qt::KeypadModifier);
        } else {
            QTest::keyClicks(edit, QString(c));
        }
    }
}

// A key pressed where the keyboard's focus is.
inline void Press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

inline void ClickCell(CellEditGrid* grid, int row, int column) {
    const QRect rect = grid->visualItemRect(grid->item(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
}
