#include "ui/list_message_box.h"

#include "ui/dialog_frame.h"
#include "ui/screen_fit.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The list shows this many lines before it scrolls, and is at least this
// many characters wide.
constexpr int kVisibleLines = 14;
constexpr int kVisibleColumns = 70;

} // namespace

ListMessageBox::ListMessageBox(const QPixmap& icon, const QString& caption, const QString& text,
                               const QStringList& lines, QDialogButtonBox::StandardButtons buttons,
                               QWidget* parent)
    : QDialog(parent, kDialogFrame | Qt::WindowMaximizeButtonHint), m_text(text), m_lines(lines),
      m_list(new QPlainTextEdit(this)), m_copy(nullptr) {
    setWindowTitle(caption);
    setSizeGripEnabled(true);
    auto* layout = new QGridLayout(this);
    if (!icon.isNull()) {
        auto* iconLabel = new QLabel(this);
        iconLabel->setPixmap(icon);
        iconLabel->setAlignment(Qt::AlignTop);
        layout->addWidget(iconLabel, 0, 0, 2, 1);
    }
    auto* textLabel = new QLabel(text, this);
    textLabel->setWordWrap(true);
    textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(textLabel, 0, 1);

    m_list->setReadOnly(true);
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_list->setPlainText(lines.join(QLatin1Char('\n')));
    const QFontMetrics metrics(m_list->font());
    m_list->setMinimumSize(metrics.averageCharWidth() * kVisibleColumns,
                           metrics.lineSpacing() * kVisibleLines);
    layout->addWidget(m_list, 1, 1);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);

    // Copy stands apart at the left, the answers at the right.
    m_copy = new QPushButton(tr("Copy"), this);
    m_copy->setAutoDefault(false);
    auto* box = new QDialogButtonBox(buttons, this);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(Report()); });
    connect(box, &QDialogButtonBox::clicked, this,
            [this, box](QAbstractButton* button) { done(box->standardButton(button)); });
    auto* row = new QHBoxLayout;
    row->addWidget(m_copy);
    row->addStretch(1);
    row->addWidget(box);
    layout->addLayout(row, 2, 0, 1, 2);
    if (QPushButton* first = box->button(QDialogButtonBox::Ok)) {
        first->setDefault(true);
        first->setFocus();
    }
    ResizeWithinScreen(*this, sizeHint());
}

QString ListMessageBox::Report() const {
    return m_text + QStringLiteral("\n\n") + m_lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
