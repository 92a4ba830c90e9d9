// Documents in their windows: New with its question, Open hiding the window
// that was active, Close hiding and Channel Information showing again, Save
// and Save As, and the question about unsaved changes when quitting.

#include "grid/channel_grid.h"
#include "model/channel_codec.h"
#include "model/program_document.h"
#include "model/string_table.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"
#include "transfer/process_dialog.h"
#include "ui/image_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QLineEdit>
#include <QMimeData>
#include <QMdiArea>
#include <QHeaderView>
#include <QScrollBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <memory>

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A settings dialog stand-in: "running" it applies a change to the image it
// is given.
class ChangingDialog : public ImageDialog {
public:
    ChangingDialog(QWidget* parent, std::uint8_t value) : ImageDialog(parent), m_value(value) {}
    int DoModal(RadioImage& image) override {
        image[0x1263] = m_value;
        return Accepted;
    }

private:
    std::uint8_t m_value;
};

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramDirFixture> m_dir;
    std::unique_ptr<CProgramApp> m_app;

    CMainFrame& Frame() { return *m_app->MainFrame(); }

private slots:
    void init() {
        m_dir = std::make_unique<ProgramDirFixture>();
        m_app = std::make_unique<CProgramApp>();
        QVERIFY(StartProgram(*m_app, *m_dir));
        QCOMPARE(m_dir->Messages().size(), std::size_t{0});
    }
    void cleanup() {
        m_app->ExitInstance();
        m_app.reset();
        m_dir.reset();
    }

    void newAsksBeforeReplacingTheDocument_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("OK") << int(MessageAnswer::Ok) << true;
        QTest::newRow("Cancel") << int(MessageAnswer::Cancel) << false;
    }
    void newAsksBeforeReplacingTheDocument() {
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        QPointer<CChildFrame> first = Frame().ActiveChild();
        first->Document().Image()[0x1262] = 0x05;
        m_dir->QueueAnswer(MessageAnswer(answer));
        QCOMPARE(m_app->NewDocument(), replaced);
        QCOMPARE(m_dir->MessageTexts(), QStringList{QStringLiteral("All data will be Cleared!")});
        QCOMPARE(m_dir->Messages()[0].buttons, MessageButtons::OkCancel);
        QCOMPARE(m_dir->Messages()[0].icon, MessageIcon::Exclamation);
        QCOMPARE(first.isNull(), replaced);
        QCOMPARE(Frame().Children().size(), std::size_t{1});
        // A new document starts from the new-document bytes.
        QCOMPARE(Frame().ActiveDocument()->Image()[0x1262], replaced ? 0x00 : 0x05);
    }

    void newWithoutDocumentWindowAsksNothing() {
        Frame().DestroyChild(Frame().ActiveChild());
        QVERIFY(Frame().ActiveChild() == nullptr);
        QVERIFY(m_app->NewDocument());
        QCOMPARE(m_dir->Messages().size(), std::size_t{0});
        QCOMPARE(Frame().Children().size(), std::size_t{1});
    }

    void openHidesThePreviouslyActiveWindow() {
        QPointer<CChildFrame> first = Frame().ActiveChild();
        QVERIFY(!first->isHidden());
        const QString path = WriteDat(*m_dir, QStringLiteral("a.dat"), 0x11);
        QVERIFY(m_app->OpenDocumentFile(path));
        CChildFrame* second = Frame().ActiveChild();
        QVERIFY(second != first);
        QVERIFY(!first.isNull());
        QVERIFY(first->isHidden());
        QVERIFY(!second->isHidden());
        QCOMPARE(second->Document().Image()[0x1262], 0x11);
        QCOMPARE(QString::fromStdString(second->Document().Title()), QStringLiteral("a.dat"));
        QVERIFY(!second->Document().IsModified());
    }

    void openingAnOpenFileGivesAFurtherCopy() {
        const QString path = WriteDat(*m_dir, QStringLiteral("a.dat"), 0x22);
        QVERIFY(m_app->OpenDocumentFile(path));
        CChildFrame* firstCopy = Frame().ActiveChild();
        QVERIFY(m_app->OpenDocumentFile(path));
        CChildFrame* secondCopy = Frame().ActiveChild();
        QVERIFY(secondCopy != firstCopy);
        QVERIFY(firstCopy->isHidden());
        QCOMPARE(Frame().Children().size(), std::size_t{3});
        // Each copy has its own image.
        secondCopy->Document().Image()[0x1262] = 0x33;
        QCOMPARE(firstCopy->Document().Image()[0x1262], 0x22);
    }

    void openThatFailsChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("short") << QStringLiteral("short.dat") << QByteArray(6143, '\xFF');
        QTest::newRow("missing") << QStringLiteral("missing.dat") << QByteArray();
    }
    void openThatFailsChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        const QString path = m_dir->FilePath(name);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        CChildFrame* before = Frame().ActiveChild();
        QVERIFY(!m_app->OpenDocumentFile(path));
        QCOMPARE(m_dir->Messages().size(), std::size_t{1});
        QVERIFY(!m_dir->Messages()[0].text.isEmpty());
        QCOMPARE(Frame().ActiveChild(), before);
        QVERIFY(!before->isHidden());
        QCOMPARE(Frame().Children().size(), std::size_t{1});
    }

    void openWithoutDocumentWindowLeavesTheMainWindowOpen() {
        Frame().show();
        Frame().DestroyChild(Frame().ActiveChild());
        const QString path = WriteDat(*m_dir, QStringLiteral("a.dat"), 0x44);
        QVERIFY(m_app->OpenDocumentFile(path));
        QVERIFY(Frame().isVisible());
        QCOMPARE(Frame().Children().size(), std::size_t{1});
        QVERIFY(!Frame().ActiveChild()->isHidden());
    }

    void droppedFileOpensLikeFileOpen() {
        const QString path = WriteDat(*m_dir, QStringLiteral("dropped.dat"), 0x55);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the window, as the platform's drag and drop delivers it.
        static_cast<QObject&>(Frame()).event(&drop);
        QCOMPARE(Frame().Children().size(), std::size_t{2});
        QCOMPARE(Frame().ActiveDocument()->Image()[0x1262], 0x55);
    }

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

    void documentWindowGeometry() {
        const CChildFrame* child = Frame().ActiveChild();
        QCOMPARE(child->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(child->width(), 1095);
    }

    void documentWindowStaysInsideTheWorkspace_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("screenWidth");
        // False: the headers and values need more room than the workspace has.
        QTest::addColumn<bool>("allInSight");
        QTest::newRow("1280x900, scaled for 1280") << QSize(1280, 900) << 1280 << true;
        QTest::newRow("1024x768, scaled for 1024") << QSize(1024, 768) << 1024 << true;
        QTest::newRow("1024x768, scaled for 1920") << QSize(1024, 768) << 1920 << true;
        QTest::newRow("800x600, not scaled: scrolls rather than cut")
            << QSize(800, 600) << 800 << false;
    }
    void documentWindowStaysInsideTheWorkspace() {
        QFETCH(QSize, window);
        QFETCH(int, screenWidth);
        QFETCH(bool, allInSight);
        Frame().resize(window);
        Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Frame()));
        CChildFrame* child = Frame().ActiveChild();
        CProgramView& view = child->View();
        view.OnDisplayChange(screenWidth);
        QApplication::processEvents();
        QWidget* workspace = Frame().MdiArea()->viewport();
        // The window keeps its place and fits the workspace; the workspace
        // needs no scroll bars of its own.
        QCOMPARE(child->geometry().topLeft(), QPoint(0, 0));
        QVERIFY2(workspace->rect().contains(child->geometry()),
                 qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                .arg(child->width())
                                .arg(child->height())
                                .arg(workspace->width())
                                .arg(workspace->height())));
        QVERIFY(!Frame().MdiArea()->verticalScrollBar()->isVisible());
        QVERIFY(!Frame().MdiArea()->horizontalScrollBar()->isVisible());
        // No header cut; all nine columns in sight, without horizontal
        // scrolling, where they have the room.
        ChannelGrid* grid = view.Grid();
        for (int col = 0; col < 9; ++col) {
            QVERIFY(grid->columnWidth(col) >= grid->horizontalHeader()->sectionSizeHint(col));
        }
        if (!allInSight) {
            QVERIFY(grid->horizontalScrollBar()->maximum() > 0);
            return;
        }
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        const int last = grid->columnViewportPosition(8) + grid->columnWidth(8);
        QVERIFY(last <= grid->viewport()->width());
        // Maximised, the columns grow back to their scaled widths when the
        // workspace has the room.
        child->showMaximized();
        QApplication::processEvents();
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
    }

    void saveWritesToTheDocumentsFile() {
        const QString path = WriteDat(*m_dir, QStringLiteral("a.dat"), 0x10);
        QVERIFY(m_app->OpenDocumentFile(path));
        int asked = 0;
        Frame().SetSaveFileNameProvider([&asked](const QString&) {
            ++asked;
            return QString();
        });
        Frame().ActiveDocument()->Image()[0x1262] = 0x77;
        Frame().ActiveDocument()->SetModified(true);
        Frame().OnCommand(ID_FILE_SAVE);
        QCOMPARE(asked, 0);
        const QByteArray saved = ReadFile(path);
        QCOMPARE(saved.size(), 6144);
        QCOMPARE(static_cast<std::uint8_t>(saved[0x1262]), 0x77);
        QVERIFY(!Frame().ActiveDocument()->IsModified());
    }

    void saveAsAsksForTheName() {
        const QString target = m_dir->FilePath(QStringLiteral("copy"));
        QStringList suggested;
        Frame().SetSaveFileNameProvider([&](const QString& name) {
            suggested << name;
            return target;
        });
        Frame().OnCommand(ID_FILE_SAVE_AS);
        QCOMPARE(suggested.size(), 1);
        // The default extension is added.
        QCOMPARE(ReadFile(target + QStringLiteral(".dat")).size(), 6144);
        QCOMPARE(QString::fromStdString(Frame().ActiveDocument()->Path()),
                 target + QStringLiteral(".dat"));

        // A cancelled name writes nothing.
        Frame().SetSaveFileNameProvider([](const QString&) { return QString(); });
        const QString other = m_dir->FilePath(QStringLiteral("other.dat"));
        Frame().OnCommand(ID_FILE_SAVE_AS);
        QVERIFY(!QFile::exists(other));
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

    void entryLeftOpenInACellIsSavedAndCountsAsAChange_data() {
        QTest::addColumn<bool>("quit");
        QTest::newRow("File Save") << false;
        QTest::newRow("quit, Save") << true;
    }
    void entryLeftOpenInACellIsSavedAndCountsAsAChange() {
        QFETCH(bool, quit);
        const QString path = WriteDat(*m_dir, QStringLiteral("a.dat"), 0x10);
        QVERIFY(m_app->OpenDocumentFile(path));
        Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Frame()));
        CProgramView& view = Frame().ActiveChild()->View();
        view.Grid()->setCurrentIndex(view.Grid()->model()->index(0, 0));
        view.BeginCellEdit();
        auto* edit = view.findChild<QLineEdit*>(QStringLiteral("frequencyEdit"));
        QVERIFY(edit && edit->isVisible());
        edit->setText(QStringLiteral("145.12500"));
        QVERIFY(!Frame().ActiveDocument()->IsModified());

        if (quit) {
            m_dir->QueueAnswer(MessageAnswer::Save);
            QVERIFY(Frame().close());
            QCOMPARE(m_dir->MessageTexts(), QStringList{QStringLiteral("Save changes to a.dat?")});
        } else {
            Frame().OnCommand(ID_FILE_SAVE);
        }
        const QByteArray saved = ReadFile(path);
        QCOMPARE(saved.size(), 6144);
        RadioImage image;
        std::copy(saved.begin(), saved.end(), image.data());
        ChannelTable table;
        BandPlan bands;
        DecodeChannels(image, table, bands);
        QCOMPARE(Cell(table, 1, kColRx), std::string("145.12500"));
        QCOMPARE(Cell(table, 1, kColTx), std::string("145.12500"));
    }

    void newKeepsItsOwnQuestion() {
        EditAChannel(Frame().ActiveChild()->View());
        QVERIFY(m_app->NewDocument());
        QCOMPARE(m_dir->MessageTexts(), QStringList{QStringLiteral("All data will be Cleared!")});
        QVERIFY(!Frame().ActiveDocument()->IsModified());
    }

    void savingANewDocumentAsksForAName() {
        EditAChannel(Frame().ActiveChild()->View());
        const QString target = m_dir->FilePath(QStringLiteral("new.dat"));
        QStringList suggested;
        Frame().SetSaveFileNameProvider([&](const QString& name) {
            suggested << name;
            return target;
        });
        m_dir->QueueAnswer(MessageAnswer::Save);
        QVERIFY(Frame().close());
        // The name offered is the AppName of the settings file, in the
        // user's documents folder at first.
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(suggested, QStringList{QDir(documents).filePath(QStringLiteral("TestProgram"))});
        QCOMPARE(ReadFile(target).size(), 6144);
    }

    void fileDialogsStartInTheFolderLastUsed() {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString path = WriteDat(*m_dir, QStringLiteral("c.dat"), 0x33);
        QStringList openedIn;
        m_app->SetOpenFileNameProvider([&](const QString& folder) {
            openedIn << folder;
            return path;
        });
        Frame().OnCommand(ID_FILE_OPEN);
        Frame().OnCommand(ID_FILE_OPEN);
        // First the documents folder, then the folder of the file chosen.
        QCOMPARE(openedIn, (QStringList{documents, m_dir->Dir()}));
        // A new document's Save As starts there too, and a name chosen
        // elsewhere moves the folder for the next dialog.
        QVERIFY(m_app->NewDocument());
        QDir(m_dir->Dir()).mkdir(QStringLiteral("sub"));
        const QString target = m_dir->FilePath(QStringLiteral("sub/d.dat"));
        QStringList suggested;
        Frame().SetSaveFileNameProvider([&](const QString& name) {
            suggested << name;
            return target;
        });
        Frame().OnCommand(ID_FILE_SAVE_AS);
        Frame().OnCommand(ID_FILE_OPEN);
        QCOMPARE(suggested, QStringList{m_dir->FilePath(QStringLiteral("TestProgram"))});
        QCOMPARE(openedIn.last(), m_dir->FilePath(QStringLiteral("sub")));
    }
};

QTEST_MAIN(DocumentsTest)
#include "documents_test.moc"
