// The channel grid, its messages and the windows it opens, in Chinese.

#include "model/program_document.h"
#include "session/document_session.h"
#include "tests/grid/grid_view_fixture.h"
#include "tests/texts/test_catalogues.h"
#include "tests/ui/message_recorder.h"
#include "transfer/port_setting_dialog.h"
#include "transfer/process_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class GridChineseTest : public GridViewFixture {
    Q_OBJECT

private slots:
    void init() { setUpView(); }
    void cleanup() { tearDown(); }

    void chineseTexts();
    void chineseMessagesAndWindows();
};

void GridChineseTest::chineseTexts() {
    makeChineseView();
    QAbstractItemModel* model = grid()->model();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("接收频率"));
    QCOMPARE(model->headerData(6, Qt::Horizontal).toString(), QString::fromUtf8("宽/窄"));
    QCOMPARE(grid()->CornerText(), QString::fromUtf8("信道"));
    QCOMPARE(list("powerList")->itemText(0), QString::fromUtf8("低"));
    QCOMPARE(list("busyList")->itemText(1), QString::fromUtf8("载波"));
    QCOMPARE(list("toneList")->itemText(0), QString::fromUtf8("无"));
    addChannel(1, "145.12500");
    QCOMPARE(rowTexts(1),
             QStringList({"145.12500", "145.12500", "无", "无", "", "高", "宽", "是", "关"}));
}

void GridChineseTest::chineseMessagesAndWindows() {
    makeChineseView();
    MessageRecorder messages;
    typeFrequency(1, 1, "50");
    click(1, 2);
    QCOMPARE(messages.seen.size(), std::size_t{1});
    QCOMPARE(messages.seen[0].text, QString::fromUtf8("数据格式错误，请重新输入。"));
    QCOMPARE(messages.seen[0].caption, QString::fromUtf8("注意"));
    // The Process window, as a session over this view opens it.
    DocumentSession session(std::make_unique<CProgramDoc>(), *m_view, *m_view, m_context);
    session.OnProgramWrite();
    CProcessDlg* process = session.ProcessDialog();
    QCOMPARE(process->windowTitle(), QString::fromUtf8("写数据"));
    QCOMPARE(process->StatusLabel()->text(), QString::fromUtf8("尚未开始"));
    QCOMPARE(process->StartButton()->text(), QString::fromUtf8("开始"));
    process->reject();
    QCOMPARE(m_view->windowTitle(), QString::fromUtf8("信道信息"));
    CPortSettingDlg ports(m_context, nullptr,
                          PortAccess{[](const std::string&) { return false; },
                                     [] { return std::map<int, PortDetails>(); }});
    QCOMPARE(ports.windowTitle(), QString::fromUtf8("端口设置"));
}

QTEST_MAIN(GridChineseTest)
#include "grid_chinese_test.moc"
