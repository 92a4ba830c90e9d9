#include "tests/transfer/process_fixture.h"

#include "link/port_name.h"
#include "model/channel_codec.h"
#include "model/program_document.h"
#include "tests/texts/test_catalogues.h"
#include "transfer/process_dialog.h"
#include "ui/user_store.h"

#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

ChannelTable RadioChannels() {
    ChannelTable table;
    table[0] = {"145.12500", "145.62500", "67.0", "D023N", "REPEAT", "High", "Wide", "Yes", "Off"};
    table[127] = {"438.00625", "438.00625", "None", "254.1", "", "Low", "Narrow", "No", "Carrier"};
    return table;
}

void ProcessFixture::setUpStore() {
    QVERIFY(m_store.isValid());
    UserStore::SetBaseDirectory(m_store.path());
}

void ProcessFixture::setUpSession() {
    auto doc = std::make_unique<CProgramDoc>();
    FillNewDocumentImage(doc->Image(), kDefaultBandCode);
    m_view = std::make_unique<CProgramView>(doc->Image(), m_context);
    m_session = std::make_unique<DocumentSession>(std::move(doc), *m_view, *m_view, m_context);
    m_resultLine.clear();
    connect(m_session.get(), &DocumentSession::TransferEnded, this,
            [this](TransferOutcome, int, const QString& line) { m_resultLine = line; });
    // The document window hands the session's transfer window the keys of
    // Program > Read and Write.
    m_session->ProcessDialog()->SetDirectionKeys(QKeySequence(Qt::CTRL | Qt::Key_R),
                                                 QKeySequence(Qt::CTRL | Qt::Key_W));
    m_view->resize(1095, 650);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    m_view->OnInitialUpdate();
}

void ProcessFixture::useChinese() {
    m_session.reset();
    m_view.reset();
    m_chinese = InstallChinese();
    m_context.SetTexts(*m_chinese);
    setUpSession();
}

void ProcessFixture::tearDown() {
    m_session.reset();
    m_view.reset();
    m_radio.reset();
    m_context.SetTexts(SourceTexts());
    m_chinese.reset();
}

void ProcessFixture::startRadio(SimOptions options) {
    m_radio = std::make_unique<SimulatedRadio>(options);
    RadioImage radioImage = image();
    EncodeChannels(RadioChannels(), radioImage, BandPlan());
    m_radio->LoadImage(radioImage);
    std::string error;
    QVERIFY2(m_radio->Start(&error), error.c_str());
    m_context.portName = m_radio->DevicePath();
}

void ProcessFixture::pressStart() {
    QVERIFY(dialog()->isVisible());
    QVERIFY(dialog()->StartButton()->isEnabled());
    QTest::mouseClick(dialog()->StartButton(), Qt::LeftButton);
    // Start disables itself at once; the transfer begins when the session
    // handles the posted request.
    QVERIFY(!dialog()->StartButton()->isEnabled());
    QVERIFY(m_session->IsTransferRunning());
}

void ProcessFixture::startSlowRead() {
    SimOptions options = InstantReplies();
    options.wireTime = true;
    startRadio(options);
    m_session->OnProgramRead();
    pressStart();
    QTRY_VERIFY_WITH_TIMEOUT(dialog()->ProgressBar()->value() >= 1, kTransferTimeoutMs);
}

void ProcessFixture::waitUntilEnded() {
    QTRY_VERIFY_WITH_TIMEOUT(!m_session->IsTransferRunning(), kTransferTimeoutMs);
    // The window goes at every end; what was done is told in the status bar.
    QVERIFY(!dialog()->isVisible());
    QVERIFY(!dialog()->IsOpen());
    QVERIFY(!m_resultLine.isEmpty());
}
