#include "ui/text_room.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QTableView>

namespace {

// The room a line edit keeps between its frame and its text on each side
// (besides its text margins).
constexpr int kEditTextMargin = 2;
// The width of edit when it shows `characters` digits whole.
int EditWidthFor(const QLineEdit* edit, int characters) {
    const QFontMetrics metrics = edit->fontMetrics();
    const QMargins margins = edit->textMargins();
    const int width = metrics.horizontalAdvance(QString(characters, QLatin1Char('0'))) +
                      2 * kEditTextMargin + margins.left() + margins.right();
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(
                                              QStyle::PM_DefaultFrameWidth, &option, edit)
                                        : 0;
    return edit->style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, metrics.height()), edit)
        .width();
}

} // namespace

int HeaderTextWidth(const QHeaderView* header, const QString& text) {
    // Measured as the header measures its own sections: in the bold face
    // a highlighted section takes.
    QStyleOptionHeader option;
    option.initFrom(header);
    QFont bold = header->font();
    bold.setBold(true);
    option.fontMetrics = QFontMetrics(bold);
    option.orientation = Qt::Horizontal;
    option.text = text;
    return header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header)
        .width();
}

int CellTextWidth(const QAbstractItemView* view, const QFont& font, const QString& text) {
    // Measured as the view's items measure themselves.
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.widget = view;
    option.font = font;
    option.fontMetrics = QFontMetrics(font);
    option.text = text;
    option.features = QStyleOptionViewItem::HasDisplay;
    option.displayAlignment = Qt::AlignCenter;
    const auto* table = qobject_cast<const QTableView*>(view);
    const int gridLine = table && table->showGrid() ? 1 : 0;
    return view->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), view).width() +
           gridLine;
}

void FitEditToLength(QLineEdit* edit) {
    const int limit = edit->maxLength();
    if (limit > 0 && limit <= kLongestSizedText) {
        edit->setMinimumWidth(EditWidthFor(edit, limit));
    }
}
