// What the window says of a document's state: the modified marker only after
// a real change (moving through cells and closing dialogs are none), the
// active document after File > Close, the Window
// menu's check mark and hidden marker, and the Process window naming the
// document it transfers.

#include "app/demo_radio.h"
#include "grid/channel_grid.h"
#include "model/channel_table.h"
#include "model/program_document.h"
#include "session/document_history.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "sim/simulated_radio.h"
#include "tests/app/app_fixture.h"
#include "transfer/process_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QWindow>

class DocumentStateTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { m_program.Stop(); }

    void movingThroughCellsAndClosingDialogsChangeNothing() {
        Start();
        const RadioImage image = Document().Image();
        // Every cell of the first rows entered with the mouse and left again.
        for (int row = 1; row <= 3; ++row) {
            for (int col = kColRx; col <= kColBusy; ++col) {
                ClickCell(row, col);
                ExpectUnchanged(QStringLiteral("cell %1,%2").arg(row).arg(col));
            }
        }
        ClickCell(5, kColRx);
        // Optional Features: Escape, and OK without a change.
        const std::pair<int, bool> closings[] = {{ID_OPTIONAL_FEATURES, false},
                                                 {ID_OPTIONAL_FEATURES, true}};
        for (const auto& [id, ok] : closings) {
            {
                // Closed once it is in sight.
                bool closed = false;
                QTimer poll;
                connect(&poll, &QTimer::timeout, this, [&, accept = ok] {
                    closed = closed || CloseModalDialog(accept);
                });
                poll.start(10);
                Frame().OnCommand(id);
                QVERIFY(closed);
                ExpectUnchanged(QStringLiteral("dialog %1, %2").arg(id).arg(ok ? "OK" : "Escape"));
            }
        }
        QVERIFY(Document().Image() == image);
        // Exit has nothing to ask.
        QVERIFY(Frame().close());
        QCOMPARE(m_program.Dir().Messages().size(), std::size_t{0});
    }

    void closeActivatesTheDocumentInSight_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("hidden");
        QTest::newRow("English") << false << " (hidden)";
        QTest::newRow("Chinese") << true << "（已隐藏）";
    }
    void closeActivatesTheDocumentInSight() {
        QFETCH(bool, chinese);
        QFETCH(QString, hidden);
        Start(chinese);
        const QString first = Frame().ActiveChild()->Title();
        Open(QStringLiteral("a.dat"));
        Open(QStringLiteral("b.dat"));
        // a.dat and b.dat in sight, b.dat active; the new document hidden.
        WindowItem(2)->trigger();
        WindowItem(3)->trigger();
        QCOMPARE(WindowItemTexts(), (QStringList{"&1 " + first + hidden, "&2 a.dat", "&3 b.dat"}));

        Frame().OnCommand(ID_FILE_CLOSE);
        QCOMPARE(Frame().ActiveChild()->Title(), QStringLiteral("a.dat"));
        QVERIFY(Frame().ActiveChild()->isVisible());
        QVERIFY(ShownCaption().endsWith(QStringLiteral(" - a.dat")));
        QCOMPARE(WindowItemTexts(),
                 (QStringList{"&1 " + first + hidden, "&2 a.dat", "&3 b.dat" + hidden}));
        QCOMPARE(CheckedItems(), QList<bool>({false, true, false}));

        // The last one in sight closed: nothing is checked, all are hidden.
        Frame().OnCommand(ID_FILE_CLOSE);
        QCOMPARE(WindowItemTexts(), (QStringList{"&1 " + first + hidden, "&2 a.dat" + hidden,
                                                 "&3 b.dat" + hidden}));
        QCOMPARE(CheckedItems(), QList<bool>({false, false, false}));
    }

    void theProcessWindowNamesItsDocument_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("line");
        QTest::newRow("Write, English") << false << int(ID_PROGRAM_WRITE) << "Document: b.dat";
        QTest::newRow("Read, Chinese") << true << int(ID_PROGRAM_READ) << "文档：b.dat";
    }
    void theProcessWindowNamesItsDocument() {
        QFETCH(bool, chinese);
        QFETCH(int, command);
        QFETCH(QString, line);
        Start(chinese);
        Open(QStringLiteral("a.dat"));
        Open(QStringLiteral("b.dat"));
        WindowItem(2)->trigger();
        WindowItem(3)->trigger();
        Frame().OnCommand(command);
        const CProcessDlg* dialog = Session().ProcessDialog();
        QVERIFY(dialog->isVisible());
        QCOMPARE(DocumentLine(), line);
        dialog->CancelButton()->click();
        // The other document's window names that one.
        WindowItem(2)->trigger();
        Frame().OnCommand(command);
        QCOMPARE(DocumentLine(), QString(line).replace(QStringLiteral("b.dat"), QStringLiteral("a.dat")));
        Session().ProcessDialog()->CancelButton()->click();
    }

private:
    CMainFrame& Frame() const { return m_program.Frame(); }
    DocumentSession& Session() const { return Frame().ActiveChild()->Session(); }
    CProgramDoc& Document() const { return *Frame().ActiveDocument(); }
    QString ShownCaption() const { return Frame().windowHandle()->title(); }

    void Start(bool chinese = false) {
        m_program.Start("", chinese);
        Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
    }
    void Open(const QString& name) {
        QVERIFY(m_program.App().OpenDocumentFile(WriteDat(m_program.Dir(), name, 0x10)));
    }

    // The Process window's line that names the document.
    QString DocumentLine() const {
        const auto* line =
            Session().ProcessDialog()->findChild<QLabel*>(QStringLiteral("documentText"));
        return line ? line->text() : QString();
    }

    void ExpectUnchanged(const QString& after) {
        QVERIFY2(Frame().ActiveChild()->History().Stack().count() == 0, qPrintable(after));
        QVERIFY2(!Document().IsModified(), qPrintable(after));
        QVERIFY2(!ShownCaption().contains(QLatin1Char('*')), qPrintable(after));
    }

    void ClickCell(int row, int col) {
        ChannelGrid* grid = Frame().ActiveChild()->View().Grid();
        const QModelIndex index = grid->model()->index(row - 1, col - 1);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid->visualRect(index).center());
    }

    // Closes the modal dialog in sight with OK or Escape; false when none is.
    static bool CloseModalDialog(bool ok) {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible()) {
            return false;
        }
        if (!ok) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            return true;
        }
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        for (QAbstractButton* button : buttons ? buttons->buttons() : QList<QAbstractButton*>()) {
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
                button->click();
                return true;
            }
        }
        return false;
    }

    // The Window menu's document items, as the menu opens.
    QList<QAction*> WindowItems() const {
        QMenu* menu = Frame().PopupMenu(Popup::Window, true);
        emit menu->aboutToShow();
        QList<QAction*> items;
        for (QAction* action : menu->actions()) {
            if (action->isCheckable()) {
                items << action;
            }
        }
        return items;
    }
    QAction* WindowItem(int number) const { return WindowItems().at(number - 1); }
    QStringList WindowItemTexts() const {
        QStringList texts;
        for (const QAction* item : WindowItems()) {
            texts << item->text();
        }
        return texts;
    }
    QList<bool> CheckedItems() const {
        QList<bool> checked;
        for (const QAction* item : WindowItems()) {
            checked << item->isChecked();
        }
        return checked;
    }

    StartedProgram m_program;
};

QTEST_MAIN(DocumentStateTest)
#include "document_state_test.moc"
