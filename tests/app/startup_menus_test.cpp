// The menus and the navigation tree after start-up, pruned by the settings
// file, in English and Chinese.

#include "app/demo_radio.h"
#include "link/port_name.h"
#include "model/band.h"
#include "model/program_document.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/profile_file.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/edit_menu_texts.h"
#include "tests/app/startup_fixture.h"
#include "transfer/process_dialog.h"
#include "ui/user_store.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <fstream>

class StartupMenusTest : public QObject {
    Q_OBJECT

private slots:
    void editMenuAfterStartUp_data() {
        QTest::addColumn<QString>("setupLine");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("ids");
        // The editing commands of the channel table follow the editors.
        const QStringList editing = EditingMenuTexts();
        const QList<int> editingIds{0,
                                    ID_EDIT_UNDO_STEP,
                                    ID_EDIT_REDO_STEP,
                                    0,
                                    ID_EDIT_CUT_CELLS,
                                    ID_EDIT_COPY_CELLS,
                                    ID_EDIT_PASTE_CELLS,
                                    ID_EDIT_DELETE_CELLS,
                                    0,
                                    ID_EDIT_INSERT_ROW,
                                    ID_EDIT_REMOVE_ROWS,
                                    ID_EDIT_MOVE_UP,
                                    ID_EDIT_MOVE_DOWN};
        const QStringList pruned =
            QStringList{"Product Information", "Channel Information", "-", "Optional Features"} +
            editing;
        const QList<int> prunedIds =
            QList<int>{ID_PRODUCT_INFORMATION, ID_CHANNEL_INFORMATION, 0, ID_OPTIONAL_FEATURES} +
            editingIds;
        QTest::newRow("no ShowSignalling") << QString() << pruned << prunedIds;
        QTest::newRow("ShowSignalling=0")
            << QStringLiteral("ShowSignalling=0\r\n") << pruned << prunedIds;
        QTest::newRow("ShowSignalling=letters")
            << QStringLiteral("ShowSignalling=on\r\n") << pruned << prunedIds;
        QTest::newRow("ShowSignalling=2")
            << QStringLiteral("ShowSignalling=2\r\n") << pruned << prunedIds;
        QTest::newRow("ShowSignalling=1") << QStringLiteral("ShowSignalling=1\r\n")
                                          << QStringList{"Product Information",
                                                         "Channel Information",
                                                         "-",
                                                         "Optional Features",
                                                         "-",
                                                         "DTMF",
                                                         "2-Tone",
                                                         "MSK",
                                                         "Key Assignment",
                                                         "Squelch Tuning"} +
                                                 editing
                                          << QList<int>{ID_PRODUCT_INFORMATION,
                                                        ID_CHANNEL_INFORMATION,
                                                        0,
                                                        ID_OPTIONAL_FEATURES,
                                                        0,
                                                        ID_DTMF,
                                                        ID_TWO_TONE,
                                                        ID_MSK,
                                                        ID_KEY_ASSIGNMENT,
                                                        ID_SQUELCH_TUNING} +
                                                 editingIds;
    }

    void editMenuAfterStartUp() {
        QFETCH(QString, setupLine);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, ids);
        ProgramDirFixture dir;
        dir.WriteSettings(EnglishSettings(setupLine.toStdString()));
        dir.CopyTranslations();
        CProgramApp app;
        QVERIFY(app.InitInstance(TestOptions(dir)));
        const CMainFrame* frame = app.MainFrame();
        // The document menu is the current one and holds the pruned Edit menu.
        QCOMPARE(frame->CurrentMenus().size(), std::size_t{7});
        const QMenu* edit = frame->CurrentMenus()[1];
        QCOMPARE(ItemTexts(edit), texts);
        QCOMPARE(ItemIds(edit), ids);
        // The tree offers the same editors as the menu.
        QCOMPARE(TreeChildren(frame->NavigationTree()).size(), ids.contains(ID_DTMF) ? 8 : 3);
        app.ExitInstance();
    }

    void signallingItemsInChinese() {
        ProgramDirFixture dir;
        dir.WriteSettings(ChineseSettings("ShowSignalling=1\r\n"));
        dir.CopyTranslations();
        CProgramApp app;
        QVERIFY(app.InitInstance(TestOptions(dir)));
        QCOMPARE(TreeChildren(app.MainFrame()->NavigationTree()),
                 (QStringList{"机型设置", "信道信息", "可选功能", "DTMF", "2-Tone", "MSK",
                              "按键设置", "静噪调整"}));
        const QStringList edit = ItemTexts(app.MainFrame()->CurrentMenus()[1]);
        QCOMPARE(edit.mid(5, 5), (QStringList{"DTMF", "2-Tone", "MSK", "按键设置", "静噪调整"}));
        QCOMPARE(edit.mid(11, 2), (QStringList{"撤销(&U)\tCtrl+Z", "重做(&R)\tCtrl+Y"}));
        QCOMPARE(edit.last(), QStringLiteral("下移(&W)\tCtrl+Down"));
        app.ExitInstance();
    }
};

QTEST_MAIN(StartupMenusTest)
#include "startup_menus_test.moc"
