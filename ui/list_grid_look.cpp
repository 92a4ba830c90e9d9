#include "ui/list_grid_look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <algorithm>

namespace {

// Room above and below the text of a row, in pixels.
constexpr int kRowPadding = 8;

} // namespace

QFont FixedPitchFont() {
    // A face drawn like the interface font, at its size: a bare "Courier"
    // comes in a size of its own and, where fonts are substituted, with a
    // smaller face, so that names looked smaller than the texts beside them.
    // Courier stays the last choice.
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"),
                      QFontDatabase::systemFont(QFontDatabase::FixedFont).family(),
                      QStringLiteral("Courier")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

int RowHeightFor(const QFont& font) {
    QFont fixed = FixedPitchFont();
    fixed.setPointSizeF(font.pointSizeF());
    return std::max(QFontMetrics(font).height(), QFontMetrics(fixed).height()) + kRowPadding;
}

QTableWidgetItem* NewFixedCell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    // Not enabled, so that it never becomes the current cell; its colour
    // is given outright, so that it is not drawn greyed either.
    item->setFlags(Qt::NoItemFlags);
    item->setForeground(kListFixedTextColour);
    item->setBackground(QApplication::palette().button());
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

void FitHeightToRows(QTableWidget* table, int reservedHeight) {
    const int rowHeight = RowHeightFor(table->font());
    table->verticalHeader()->setMinimumSectionSize(rowHeight);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    for (int row = 0; row < table->rowCount(); ++row) {
        table->setRowHeight(row, rowHeight);
    }
    int rows = table->rowCount();
    if (const QScreen* screen = table->screen()) {
        const int room = screen->availableGeometry().height() - reservedHeight;
        rows = std::clamp(room / rowHeight, 1, rows);
    }
    table->setMinimumHeight(rows * rowHeight + 2 * table->frameWidth());
}
