// Documents opened in their windows: New with its question, Open hiding the
// window that was active, a file opened twice or failing to open, a dropped
// file, and where a document's window stands in the workspace.

#include "grid/channel_grid.h"
#include "model/channel_codec.h"
#include "model/program_document.h"
#include "model/string_table.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "shell/command_ids.h"
#include "tests/app/documents_fixture.h"
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

class DocumentOpenTest : public DocumentsFixture {
    Q_OBJECT

private slots:
    void init() { startProgram(); }
    void cleanup() { endProgram(); }

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

    void newKeepsItsOwnQuestion() {
        EditAChannel(Frame().ActiveChild()->View());
        QVERIFY(m_app->NewDocument());
        QCOMPARE(m_dir->MessageTexts(), QStringList{QStringLiteral("All data will be Cleared!")});
        QVERIFY(!Frame().ActiveDocument()->IsModified());
    }
};

QTEST_MAIN(DocumentOpenTest)
#include "document_open_test.moc"
