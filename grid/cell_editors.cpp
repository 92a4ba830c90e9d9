#include "grid/cell_editors.h"

#include "grid/gbk_length_validator.h"
#include "ui/help_service.h"
#include "ui/popup_focus.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStatusTipEvent>

namespace {

QComboBox* makeList(QWidget* parent, CellEditor editor, int controlId, bool bChinese) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    for (const std::string& item : EditorListItems(editor, bChinese)) {
        list->addItem(QString::fromStdString(item));
    }
    list->setProperty(kControlIdProperty, controlId);
    list->hide();
    ClosePopupWhenFocusLeaves(list);
    return list;
}

QLineEdit* makeEdit(QWidget* parent, int controlId, CellEditor editor) {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignCenter);
    edit->setProperty(kControlIdProperty, controlId);
    edit->hide();
    // A key the length limit refuses is not lost in silence: a beep, and
    // the limit on the main window's status bar.
    QObject::connect(edit, &QLineEdit::inputRejected, edit, [edit, editor] {
        QApplication::beep();
        const TextId limit = EditorLengthLimit(editor);
        QString note = QCoreApplication::translate(limit.context, limit.source);
        if (!note.isEmpty()) {
            note[0] = note[0].toUpper();
        }
        QStatusTipEvent tip(note);
        QApplication::sendEvent(edit, &tip);
    });
    return edit;
}

} // namespace

CellEditors::CellEditors(QWidget* parent, bool bChinese)
    : m_frequency(makeEdit(parent, IDC_EDIT_FREQUENCY, CellEditor::Frequency)),
      m_name(makeEdit(parent, IDC_EDIT_NAME, CellEditor::Name)),
      m_tone(makeList(parent, CellEditor::ToneList, IDC_COMBO_TONE, bChinese)),
      m_power(makeList(parent, CellEditor::PowerList, IDC_COMBO_POWER, bChinese)),
      m_width(makeList(parent, CellEditor::WidthList, IDC_COMBO_WIDTH, bChinese)),
      m_scan(makeList(parent, CellEditor::ScanList, IDC_COMBO_SCAN, bChinese)),
      m_busy(makeList(parent, CellEditor::BusyList, IDC_COMBO_BUSY, bChinese)) {
    m_frequency->setObjectName(QStringLiteral("frequencyEdit"));
    m_frequency->setMaxLength(kFrequencyEditMaxChars);
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setValidator(new GbkLengthValidator(kNameEditMaxBytes, m_name));
    m_tone->setObjectName(QStringLiteral("toneList"));
    m_tone->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_power->setObjectName(QStringLiteral("powerList"));
    m_width->setObjectName(QStringLiteral("widthList"));
    m_scan->setObjectName(QStringLiteral("scanList"));
    m_busy->setObjectName(QStringLiteral("busyList"));
}

QComboBox* CellEditors::List(CellEditor editor) const {
    switch (editor) {
    case CellEditor::ToneList:
        return m_tone;
    case CellEditor::PowerList:
        return m_power;
    case CellEditor::WidthList:
        return m_width;
    case CellEditor::ScanList:
        return m_scan;
    case CellEditor::BusyList:
        return m_busy;
    case CellEditor::Frequency:
    case CellEditor::Name:
        break;
    }
    return nullptr;
}

QWidget* CellEditors::ForColumn(int col) const {
    const CellEditor editor = EditorOfColumn(col);
    switch (editor) {
    case CellEditor::Frequency:
        return m_frequency;
    case CellEditor::Name:
        return m_name;
    default:
        return List(editor);
    }
}

void CellEditors::Begin(int col, const std::string& cellText, const QRect& cellRect) {
    const CellEditor editor = EditorOfColumn(col);
    QWidget* widget = ForColumn(col);
    if (QComboBox* list = List(editor)) {
        std::vector<std::string> items;
        items.reserve(static_cast<std::size_t>(list->count()));
        for (int i = 0; i < list->count(); ++i) {
            items.push_back(list->itemText(i).toStdString());
        }
        list->setCurrentIndex(ListSelectionForText(items, cellText));
    } else {
        static_cast<QLineEdit*>(widget)->setText(QString::fromStdString(cellText));
    }
    widget->setGeometry(cellRect);
    widget->show();
    widget->raise();
    widget->setFocus(Qt::OtherFocusReason);
    // A frequency or a name is replaced as a whole more often than mended:
    // typing replaces the selected text.
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    }
}

std::string CellEditors::Text(int col) const {
    QWidget* widget = ForColumn(col);
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        return list->currentText().toStdString();
    }
    return static_cast<QLineEdit*>(widget)->text().toStdString();
}

bool CellEditors::IsVisible(int col) const {
    return !ForColumn(col)->isHidden();
}

void CellEditors::HideAll() {
    for (QWidget* widget : All()) {
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            list->hidePopup();
        }
        widget->hide();
    }
}

std::array<QWidget*, 7> CellEditors::All() const {
    return {m_frequency, m_name, m_tone, m_power, m_width, m_scan, m_busy};
}
