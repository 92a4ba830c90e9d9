#include "tests/grid/grid_view_fixture.h"

#include "model/program_document.h"
#include "tests/texts/test_catalogues.h"
#include "ui/help_service.h"

#include <QStatusTipEvent>
#include <QtTest>

bool StatusTips::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        seen << static_cast<QStatusTipEvent*>(event)->tip();
    }
    return false;
}

const QStringList kEmptyRow{"", "", "", "", "", "", "", "", ""};
const QStringList kNewChannel145{"145.12500", "145.12500", "None", "None", "",
                                 "High",      "Wide",      "Yes",  "Off"};

void GridViewFixture::setUpView() {
    makeView();
}

void GridViewFixture::tearDown() {
    m_view.reset();
    m_context.SetTexts(SourceTexts());
    m_chinese.reset();
    HelpService::SetHandler({});
}

void GridViewFixture::makeView() {
    m_view.reset();
    FillNewDocumentImage(m_image, kDefaultBandCode);
    m_view = std::make_unique<CProgramView>(m_image, m_context);
    m_view->resize(1095, 650);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    m_view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    m_view->OnInitialUpdate();
}

void GridViewFixture::makeChineseView() {
    m_chinese = InstallChinese();
    m_context.SetTexts(*m_chinese);
    makeView();
}

void GridViewFixture::click(int row, int col) {
    const QModelIndex index = grid()->model()->index(row - 1, col - 1);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
}

void GridViewFixture::typeFrequency(int row, int col, const QString& text) {
    click(row, col);
    QVERIFY(frequencyEdit()->isVisible());
    frequencyEdit()->selectAll();
    QTest::keyClicks(frequencyEdit(), text);
}

void GridViewFixture::addChannel(int row, const QString& rx) {
    typeFrequency(row, 1, rx);
    click(row, 3);
    QCOMPARE(cell(row, 1), rx);
}

QStringList GridViewFixture::rowTexts(int row) const {
    QStringList texts;
    for (const std::string& text : m_view->Channels()[static_cast<std::size_t>(row - 1)]) {
        texts << QString::fromStdString(text);
    }
    return texts;
}
