// The captions of the document windows by title with the modified marker,
// the main caption following the active one, and the quit questions naming
// the documents alike.

#include "dialogs/radio_history_dialog.h"
#include "grid/channel_grid.h"
#include "session/program_view.h"
#include "tests/app/document_windows_fixture.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QTest>

class DocumentCaptionsTest : public DocumentWindowsFixture {
    Q_OBJECT

private slots:
    void cleanup() { endProgram(); }

    void captionsFollowTheDocument_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("mainCaption");
        const auto row = [](const char* name, const QStringList& steps, const QString& shown,
                            bool maximised = false) {
            QTest::newRow(name) << steps << shown
                                << kProgramTitle +
                                       (maximised ? " - [" + shown + "]" : " - " + shown);
        };
        row("new", {}, "Channel Information");
        row("new, edited", {"edit"}, "Channel Information*");
        row("opened", {"open a.dat"}, "a.dat");
        row("opened, edited", {"open a.dat", "edit"}, "a.dat*");
        row("edited, undone to the file", {"open a.dat", "edit", "undo"}, "a.dat");
        row("edited twice, undone once", {"open a.dat", "edit", "edit", "undo"}, "a.dat*");
        row("undone and redone", {"open a.dat", "edit", "undo", "redo"}, "a.dat*");
        row("edited, saved", {"open a.dat", "edit", "save"}, "a.dat");
        row("saved, undone past the save", {"open a.dat", "edit", "save", "undo"}, "a.dat*");
        row("new, saved as", {"edit", "save as b.dat"}, "b.dat");
        row("opened, saved as", {"open a.dat", "save as b.dat"}, "b.dat");
        row("maximised", {"open a.dat", "edit", "maximize"}, "a.dat*", true);
        row("maximised, then edited", {"open a.dat", "maximize", "edit"}, "a.dat*", true);
        row("maximised, saved", {"open a.dat", "maximize", "edit", "save"}, "a.dat", true);
        // The window that opens over a maximised one that it hides is not.
        row("maximised, another opened", {"maximize", "open a.dat", "edit"}, "a.dat*");
        row("maximised, then restored", {"open a.dat", "maximize", "edit", "restore"}, "a.dat*");
        row("a name holding Qt's placeholder", {"open x[*].dat", "edit"}, "x[*].dat*");
        QTest::newRow("closed: the program's title alone")
            << QStringList{"open a.dat", "edit", "close"} << "a.dat*" << kProgramTitle;
    }

    void captionsFollowTheDocument() {
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        QFETCH(QString, mainCaption);
        Start();
        for (const QString& step : steps) {
            if (step.startsWith(QLatin1String("open "))) {
                Open(step.mid(5));
            } else if (step == QLatin1String("edit")) {
                EditAChannel(Frame().ActiveChild()->View());
            } else if (step == QLatin1String("undo")) {
                Frame().OnCommand(ID_EDIT_UNDO_STEP);
            } else if (step == QLatin1String("redo")) {
                Frame().OnCommand(ID_EDIT_REDO_STEP);
            } else if (step == QLatin1String("save")) {
                Frame().OnCommand(ID_FILE_SAVE);
            } else if (step.startsWith(QLatin1String("save as "))) {
                SaveAs(step.mid(8));
            } else if (step == QLatin1String("maximize")) {
                Frame().ActiveChild()->showMaximized();
            } else if (step == QLatin1String("restore")) {
                Frame().ActiveChild()->showNormal();
            } else if (step == QLatin1String("close")) {
                Frame().OnCommand(ID_FILE_CLOSE);
            }
        }
        CChildFrame* child = Frame().ActiveChild();
        QCOMPARE(child->ShownTitle(), shown);
        QCOMPARE(child->isWindowModified(), shown.endsWith(QLatin1Char('*')));
        QCOMPARE(ShownCaption(), mainCaption);
        // Moving about the grid leaves the caption alone.
        QTest::keyClick(child->View().Grid(), Qt::Key_Down);
        QCOMPARE(ShownCaption(), mainCaption);
        QCOMPARE(m_dir->Messages().size(), std::size_t{0});
    }

    void quitQuestionsNameTheDocumentsAsTheirCaptions_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("newDocument");
        QTest::newRow("English") << false << "Save changes to %1?" << kProgramTitle
                                 << "Channel Information";
        QTest::newRow("Chinese") << true << QStringLiteral("是否保存对 %1 的更改?")
                                 << QStringLiteral("中文标题") << QStringLiteral("信道信息");
    }

    void quitQuestionsNameTheDocumentsAsTheirCaptions() {
        // Three changed documents: a new one, a file, and a file saved under
        // another name; the first two hidden by the opens after them.
        QFETCH(bool, chinese);
        QFETCH(QString, question);
        QFETCH(QString, program);
        QFETCH(QString, newDocument);
        Start(chinese);
        EditAChannel(Frame().ActiveChild()->View());
        Open(QStringLiteral("a.dat"));
        EditAChannel(Frame().ActiveChild()->View());
        Open(QStringLiteral("c.dat"));
        SaveAs(QStringLiteral("b.dat"));
        EditAChannel(Frame().ActiveChild()->View());

        QStringList asked;
        QStringList shownCaptions;
        MessageService::SetHandler([&](const MessageRequest& request) {
            asked << request.text;
            shownCaptions << ShownCaption();
            return MessageAnswer::Discard;
        });
        QVERIFY(Frame().close());
        MessageService::SetHandler({});
        QStringList questions;
        QStringList captions;
        for (const QString& name :
             {newDocument, QStringLiteral("a.dat"), QStringLiteral("b.dat")}) {
            questions << question.arg(name);
            captions << program + " - " + name + "*";
        }
        QCOMPARE(asked, questions);
        QCOMPARE(shownCaptions, captions);
    }
};

QTEST_MAIN(DocumentCaptionsTest)
#include "document_captions_test.moc"
