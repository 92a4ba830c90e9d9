// Documents closed: Close hiding the window and Channel Information showing
// it again, nothing closing a document while a transfer runs, and the
// questions about unsaved changes when quitting.

#include "grid/channel_grid.h"
#include "model/channel_codec.h"
#include "model/program_document.h"
#include "model/string_table.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "shell/command_ids.h"
#include "tests/app/documents_fixture.h"
#include "tests/app/file_bytes.h"
#include "transfer/process_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <fstream>

class DocumentCloseTest : public DocumentsFixture {
    Q_OBJECT

private slots:
    void init() { startProgram(); }
    void cleanup() { endProgram(); }

    void nothingClosesADocumentWhileATransferRuns() {
        // The read's attempts end only through the window, so the checks
        // below run while it is certainly running.
        Frame().SetStatusMessage(QStringLiteral("a start-up hint"));
        SilentRadioRead read;
        QVERIFY(read.Start(Frame()));
        CChildFrame* child = Frame().ActiveChild();
        DocumentSession& session = child->Session();
        QVERIFY(session.IsTransferRunning());

        QVERIFY(!Frame().close());
        Frame().OnCommand(ID_FILE_NEW);
        Frame().OnCommand(ID_FILE_CLOSE);
        QVERIFY(!child->isHidden());
        // Neither the window's close box nor its window menu hides it.
        QVERIFY(!child->close());
        QVERIFY(!child->isHidden());
        QTest::keyClick(child, Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(!child->isHidden());
        for (const int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE_AS,
                             ID_APP_EXIT, ID_PROGRAM_READ}) {
            QVERIFY2(!Frame().CommandAction(id)->isEnabled(), qPrintable(QString::number(id)));
        }
        QVERIFY(!Frame().CommandAction(ID_FILE_NEW)->isEnabled());
        QVERIFY(!Frame().CommandAction(ID_PROGRAM_WRITE)->isEnabled());
        // No settings dialog edits the image while the read would overwrite
        // it.
        bool ran = false;
        Frame().SetEditorDialog(
            ID_OPTIONAL_FEATURES,
            [&ran](QWidget* parent) -> ImageDialog* {
                ran = true;
                return new ChangingDialog(parent, 0x5A);
            },
            true);
        Frame().OnCommand(ID_OPTIONAL_FEATURES);
        QVERIFY(!ran);
        QVERIFY(!Frame().CommandAction(ID_OPTIONAL_FEATURES)->isEnabled());
        QCOMPARE(Frame().ActiveChild(), child);
        QVERIFY(!child->isHidden());
        QCOMPARE(m_dir->Messages().size(), std::size_t{0});

        session.ProcessDialog()->CancelButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!session.IsTransferRunning(), 30000);
        QVERIFY(Frame().CommandAction(ID_FILE_NEW)->isEnabled());
        // A transfer that did not complete says how it ended, without the
        // channels, in place of the hint that was there before it.
        QCOMPARE(Frame().StatusMessage(), QStringLiteral("Read cancelled"));
    }

    void closeHidesAndChannelInformationShowsAgain_data() {
        QTest::addColumn<bool>("byCommand");
        QTest::newRow("File Close") << true;
        QTest::newRow("window close") << false;
    }

    void closeHidesAndChannelInformationShowsAgain() {
        QFETCH(bool, byCommand);
        Frame().show();
        QPointer<CChildFrame> child = Frame().ActiveChild();
        child->Document().Image()[0x1262] = 0x66;
        if (byCommand) {
            Frame().OnCommand(ID_FILE_CLOSE);
        } else {
            child->close();
        }
        QVERIFY(!child.isNull());
        QVERIFY(child->isHidden());
        QCOMPARE(Frame().ActiveChild(), child.data());
        Frame().OnCommand(ID_CHANNEL_INFORMATION);
        QVERIFY(!child->isHidden());
        QCOMPARE(child->Document().Image()[0x1262], 0x66);
        QCOMPARE(Frame().Children().size(), std::size_t{1});
    }

    void channelInformationWithoutDocumentRestoresTheMainWindow() {
        Frame().DestroyChild(Frame().ActiveChild());
        Frame().showMaximized();
        QVERIFY(Frame().isMaximized());
        Frame().OnCommand(ID_CHANNEL_INFORMATION);
        QVERIFY(!Frame().isMaximized());
    }

    void quittingAsksAboutUnsavedChanges_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        for (const char* change : {"grid edit", "dialog"}) {
            QTest::addRow("%s, Cancel", change)
                << change << int(MessageAnswer::Cancel) << false << false;
            QTest::addRow("%s, Discard", change)
                << change << int(MessageAnswer::Discard) << true << false;
            QTest::addRow("%s, Save", change) << change << int(MessageAnswer::Save) << true << true;
        }
    }

    void quittingAsksAboutUnsavedChanges() {
        QFETCH(QString, change);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        const QString path = WriteDat(*m_dir, QStringLiteral("a.dat"), 0x10);
        QVERIFY(m_app->OpenDocumentFile(path));
        CChildFrame* child = Frame().ActiveChild();
        QVERIFY(!child->Document().IsModified());
        if (change == QLatin1String("grid edit")) {
            EditAChannel(child->View());
        } else {
            Frame().SetEditorDialog(
                ID_OPTIONAL_FEATURES,
                [](QWidget* parent) -> ImageDialog* { return new ChangingDialog(parent, 0x5A); },
                true);
            Frame().OnCommand(ID_OPTIONAL_FEATURES);
        }
        QVERIFY(child->Document().IsModified());
        m_dir->QueueAnswer(MessageAnswer(answer));
        QCOMPARE(Frame().close(), closes);
        QCOMPARE(m_dir->MessageTexts(), QStringList{QStringLiteral("Save changes to a.dat?")});
        QCOMPARE(m_dir->Messages()[0].buttons, MessageButtons::SaveDiscardCancel);
        QCOMPARE(!child->Document().IsModified(), saved);
        QCOMPARE(ReadFile(path).size(), 6144);
    }

    void eachQuitQuestionShowsItsDocumentFirst() {
        // Two changed documents: a new one, hidden by File Close, and a file
        // opened after it. Each question comes with its own window in front.
        Frame().show();
        QPointer<CChildFrame> first = Frame().ActiveChild();
        EditAChannel(first->View());
        Frame().OnCommand(ID_FILE_CLOSE);
        QVERIFY(first->isHidden());
        QVERIFY(m_app->OpenDocumentFile(WriteDat(*m_dir, QStringLiteral("b.dat"), 0x10)));
        QPointer<CChildFrame> second = Frame().ActiveChild();
        second->showMinimized();
        EditAChannel(second->View());

        struct Asked {
            QString text;
            CChildFrame* active;
            bool visible;
            bool minimized;
        };
        std::vector<Asked> asked;
        MessageService::SetHandler([&](const MessageRequest& request) {
            CChildFrame* active = Frame().ActiveChild();
            asked.push_back({request.text, active, active && active->isVisible(),
                             active && active->isMinimized()});
            return MessageAnswer::Discard;
        });
        QVERIFY(Frame().close());
        MessageService::SetHandler({});
        QCOMPARE(asked.size(), std::size_t{2});
        const std::pair<CChildFrame*, QString> expected[] = {
            {first.data(), QStringLiteral("Save changes to Channel Information?")},
            {second.data(), QStringLiteral("Save changes to b.dat?")}};
        for (std::size_t i = 0; i < asked.size(); ++i) {
            QCOMPARE(asked[i].text, expected[i].second);
            QCOMPARE(asked[i].active, expected[i].first);
            QVERIFY(asked[i].visible);
            QVERIFY(!asked[i].minimized);
        }
    }

    void aCompletedReadLeavesNothingToSave() {
        // Changes since the last save or read count: a read after an edit
        // leaves the document equal to the radio.
        EditAChannel(Frame().ActiveChild()->View());
        QVERIFY(Frame().ActiveDocument()->IsModified());
        emit Frame().ActiveChild()->Session().ChannelsRead();
        QVERIFY(!Frame().ActiveDocument()->IsModified());
        QVERIFY(Frame().close());
        QCOMPARE(m_dir->Messages().size(), std::size_t{0});
    }

    void quittingWithoutChangesAsksNothing() {
        // A dialog that leaves the image as it was does not count as a change.
        Frame().SetEditorDialog(
            ID_OPTIONAL_FEATURES,
            [](QWidget* parent) -> ImageDialog* { return new ChangingDialog(parent, 0x00); }, true);
        Frame().OnCommand(ID_OPTIONAL_FEATURES);
        QVERIFY(!Frame().ActiveDocument()->IsModified());
        QVERIFY(Frame().close());
        QCOMPARE(m_dir->Messages().size(), std::size_t{0});
    }
};

QTEST_MAIN(DocumentCloseTest)
#include "document_close_test.moc"
