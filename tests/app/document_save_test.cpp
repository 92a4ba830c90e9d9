// Documents saved: Save and Save As, an entry left open in a cell, a new
// document asking for a name, and the folders the file dialogs start in.

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

class DocumentSaveTest : public DocumentsFixture {
    Q_OBJECT

private slots:
    void init() { startProgram(); }
    void cleanup() { endProgram(); }

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
        DecodeChannels(image, table, bands, false);
        QCOMPARE(Cell(table, 1, kColRx), std::string("145.12500"));
        QCOMPARE(Cell(table, 1, kColTx), std::string("145.12500"));
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

QTEST_MAIN(DocumentSaveTest)
#include "document_save_test.moc"
