// Nothing is cut, in either language: the channel grid's headers and
// values, the navigation tree's labels, and every label, check box, radio
// button, button, tab, list item, edit value and list-grid cell of the
// settings, port and transfer dialogs is at least as wide as its text needs
// (the font's advance and the style's margins), and every dialog fits the
// screen. CTest runs it on a 1024 x 768 screen, at the scale factors it is
// registered with.

#include "grid/channel_grid.h"
#include "model/channel_table.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "tests/app/app_fixture.h"
#include "transfer/process_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionHeader>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

// The room a line edit keeps between its contents rectangle and its text.
constexpr int kEditTextMargin = 2;

// The text as drawn: "&" marks a mnemonic, "&&" is one ampersand.
QString Drawn(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Collects the texts that have less room than they need.
class CutTexts {
public:
    void Need(const QWidget* widget, const QString& text, int has, int needs) {
        if (has < needs) {
            m_cut << QStringLiteral("%1 \"%2\": %3 < %4")
                         .arg(QString::fromLatin1(widget->metaObject()->className()), text)
                         .arg(has)
                         .arg(needs);
        }
    }
    // Every widget of window in sight.
    void Window(const QWidget* window) {
        QList<const QWidget*> widgets{window};
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isVisibleTo(window)) {
                widgets << child;
            }
        }
        for (const QWidget* widget : widgets) {
            Widget(widget);
        }
    }
    void Table(const QTableView* table);
    void Tree(const QTreeWidget* tree);
    QStringList Found() {
        m_cut.removeDuplicates();
        return m_cut;
    }

private:
    void Widget(const QWidget* widget);
    void Label(const QLabel* label);
    void Button(const QAbstractButton* button);
    void Combo(const QComboBox* combo);
    void Edit(const QLineEdit* edit);
    void Tabs(const QTabBar* bar);
    void Header(const QHeaderView* header);

    QStringList m_cut;
};

void CutTexts::Widget(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        Label(label);
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        Button(button);
    } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        Combo(combo);
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        Edit(edit);
    } else if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
        Tabs(bar);
    } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
        Header(header);
    } else if (const auto* tree = qobject_cast<const QTreeWidget*>(widget)) {
        Tree(tree);
    } else if (const auto* table = qobject_cast<const QTableView*>(widget)) {
        Table(table);
    }
}

void CutTexts::Label(const QLabel* label) {
    if (label->wordWrap() || Qt::mightBeRichText(label->text())) {
        return;
    }
    const int has = label->contentsRect().width() - 2 * label->margin();
    for (const QString& line : Drawn(label->text()).split(QLatin1Char('\n'))) {
        Need(label, line, has, label->fontMetrics().horizontalAdvance(line));
    }
}

void CutTexts::Button(const QAbstractButton* button) {
    const QString text = Drawn(button->text());
    if (text.isEmpty()) {
        return;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button)) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(button)) {
        contents = QStyle::SE_RadioButtonContents;
    } else if (!qobject_cast<const QPushButton*>(button)) {
        return;
    }
    const int has = button->style()->subElementRect(contents, &option, button).width();
    Need(button, text, has, button->fontMetrics().horizontalAdvance(text));
}

void CutTexts::Combo(const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    // The label is drawn one pixel in from each side of the edit field.
    const int has = combo->style()
                        ->subControlRect(QStyle::CC_ComboBox, &option,
                                         QStyle::SC_ComboBoxEditField, combo)
                        .width() -
                    2;
    for (int i = 0; i < combo->count(); ++i) {
        Need(combo, combo->itemText(i), has,
             combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    }
}

void CutTexts::Edit(const QLineEdit* edit) {
    if (edit->text().isEmpty() || edit->echoMode() != QLineEdit::Normal) {
        return;
    }
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                         : 0;
    const QRect contents = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins());
    Need(edit, edit->text(), contents.width() - 2 * kEditTextMargin,
         edit->fontMetrics().horizontalAdvance(edit->text()));
}

void CutTexts::Tabs(const QTabBar* bar) {
    const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        const QString text = Drawn(bar->tabText(i));
        Need(bar, text, bar->tabRect(i).width(),
             bar->fontMetrics().horizontalAdvance(text) + space);
    }
}

void CutTexts::Header(const QHeaderView* header) {
    if (header->orientation() == Qt::Horizontal) {
        for (int i = 0; i < header->count(); ++i) {
            Need(header, header->model()->headerData(i, Qt::Horizontal).toString(),
                 header->sectionSize(i), header->sectionSizeHint(i));
        }
        return;
    }
    Need(header, QStringLiteral("row labels"), header->width(), header->sizeHint().width());
}

void CutTexts::Table(const QTableView* table) {
    const int gridLine = table->showGrid() ? 1 : 0;
    QStyleOptionViewItem option;
    option.initFrom(table);
    const QAbstractItemModel* model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const QString text = index.data().toString();
            if (!text.isEmpty()) {
                Need(table, text, table->columnWidth(column) - gridLine,
                     table->itemDelegate()->sizeHint(option, index).width());
            }
        }
    }
}

void CutTexts::Tree(const QTreeWidget* tree) {
    QStyleOptionViewItem option;
    option.initFrom(tree);
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) {
        const QModelIndex index = tree->indexFromItem(*it);
        Need(tree, (*it)->text(0), tree->viewport()->width() - tree->visualItemRect(*it).x(),
             tree->itemDelegate()->sizeHint(option, index).width());
    }
}

// What a dialog cuts, on each of its tab pages, and whether it leaves the
// screen or is squeezed below the room its layout asks for.
QStringList CheckDialog(QWidget* dialog) {
    QApplication::processEvents();
    CutTexts cut;
    cut.Window(dialog);
    for (QTabWidget* tabs : dialog->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            cut.Window(dialog);
        }
    }
    QStringList found = cut.Found();
    const QRect screen = dialog->screen()->availableGeometry();
    const QSize frame = dialog->frameGeometry().size();
    if (frame.width() > screen.width() || frame.height() > screen.height()) {
        found << QStringLiteral("%1 x %2 beyond the screen").arg(frame.width()).arg(frame.height());
    }
    const QSize least = dialog->minimumSizeHint();
    if (dialog->width() < least.width() || dialog->height() < least.height()) {
        found << QStringLiteral("squeezed below %1 x %2").arg(least.width()).arg(least.height());
    }
    return found;
}

// The widest values a channel's cells take, row by row: every item of
// every list (two passes cover the tone list), full-length frequencies and
// names of single- and double-byte characters.
ChannelTable ValuesPass(const CProgramView& view, int pass, QStringList& missing) {
    const std::pair<const char*, std::vector<int>> lists[] = {
        {"toneList", {3, 4}}, {"powerList", {6}}, {"widthList", {7}},
        {"scanList", {8}},    {"busyList", {9}},
    };
    auto table = ChannelTable();
    for (int row = 0; row < kChannelRows; ++row) {
        ChannelTexts& texts = table[static_cast<std::size_t>(row)];
        texts[kColRx - 1] = "599.99375";
        texts[kColTx - 1] = "599.99375";
        texts[kColName - 1] = row % 2 ? "WWWWWWW" : "\xE4\xBF\xA1\xE4\xBF\xA1\xE4\xBF\xA1W";
    }
    for (const auto& [name, columns] : lists) {
        const auto* list = view.findChild<QComboBox*>(QString::fromLatin1(name));
        if (!list || list->count() == 0) {
            missing << QStringLiteral("no %1").arg(QString::fromLatin1(name));
            continue;
        }
        for (std::size_t i = 0; i < columns.size(); ++i) {
            for (int row = 0; row < kChannelRows; ++row) {
                const int item = static_cast<int>(2 * pass + i) * kChannelRows + row;
                table[static_cast<std::size_t>(row)][static_cast<std::size_t>(columns[i] - 1)] =
                    list->itemText(item % list->count()).toStdString();
            }
        }
    }
    return table;
}

} // namespace

class TextsWholeTest : public QObject {
    Q_OBJECT

    StartedProgram m_program;

    CMainFrame& Frame() const { return m_program.Frame(); }

    // Runs the command, checks the modal dialog it opens and closes it.
    QStringList CheckModal(int command) {
        QStringList found{QStringLiteral("no dialog")};
        QTimer::singleShot(0, this, [&found] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                found = CheckDialog(dialog);
                dialog->reject();
            }
        });
        Frame().OnCommand(command);
        return found;
    }

    QStringList CheckWindow() {
        CProgramView& view = Frame().ActiveChild()->View();
        CutTexts cut;
        cut.Window(&Frame());
        QStringList missing;
        for (int pass = 0; pass < 2; ++pass) {
            view.SetChannels(ValuesPass(view, pass, missing));
            cut.Table(view.findChild<ChannelGrid*>());
        }
        const QHeaderView* labels = view.findChild<ChannelGrid*>()->verticalHeader();
        QStyleOptionHeader corner;
        corner.initFrom(labels);
        corner.text = view.findChild<ChannelGrid*>()->CornerText();
        cut.Need(labels, corner.text, labels->width(),
                 labels->style()
                     ->sizeFromContents(QStyle::CT_HeaderSection, &corner, QSize(), labels)
                     .width());
        return missing + cut.Found();
    }

private slots:
    void cleanup() { m_program.Stop(); }

    void nothingCut_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<int>("command"); // 0: the main window with its grid and tree
        const std::pair<const char*, int> parts[] = {
            {"main window", 0},
            {"Optional Features", ID_OPTIONAL_FEATURES},
            {"Product Information", ID_PRODUCT_INFORMATION},
            {"DTMF", ID_DTMF},
            {"2-Tone", ID_TWO_TONE},
            {"MSK", ID_MSK},
            {"Port Setting", ID_COM_SETUP},
            {"Key Assignment", ID_KEY_ASSIGNMENT},
            {"Process", ID_PROGRAM_READ},
        };
        for (const bool chinese : {false, true}) {
            for (const auto& [name, command] : parts) {
                QTest::addRow("%s, %s", chinese ? "Chinese" : "English", name)
                    << chinese << command;
            }
        }
    }
    void nothingCut() {
        QFETCH(bool, chinese);
        QFETCH(int, command);
        m_program.Start({}, chinese);
        QVERIFY(Frame().ActiveChild() != nullptr);
        QStringList found;
        if (command == 0) {
            found = CheckWindow();
        } else if (command == ID_PROGRAM_READ) {
            Frame().OnCommand(command);
            CProcessDlg* process = Frame().ActiveChild()->Session().ProcessDialog();
            QVERIFY(QTest::qWaitForWindowExposed(process));
            found = CheckDialog(process);
            process->CancelButton()->click();
        } else {
            found = CheckModal(command);
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(TextsWholeTest)
#include "texts_whole_test.moc"
