#pragma once
// The Process window of a document session over its channel view, reaching
// the simulated radio on a pseudo-terminal through the real serial backend:
// what the Process window tests share.

#include "model/channel_table.h"
#include "model/program_document.h"
#include "model/radio_image.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "sim/simulated_radio.h"
#include "texts_qt/qt_catalogue.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class CProcessDlg;

// Generous: a transfer takes a few seconds, more under the sanitizers.
inline constexpr int kTransferTimeoutMs = 120000;

// A table with a few channels, as the radio holds them.
ChannelTable RadioChannels();

class ProcessFixture : public QObject {
protected:
    // Once per test program: the per-user store in a temporary folder.
    void setUpStore();
    // Before each test: English, a new document shown in its view, the
    // session's window with the main window's Read and Write keys.
    void setUpSession();
    // The session again in Chinese: the Chinese catalogue is the context's
    // (and Qt's) until tearDown.
    void useChinese();
    void tearDown();

    // A radio holding RadioChannels(), on the port every transfer uses.
    void startRadio(SimOptions options = InstantReplies());
    CProcessDlg* dialog() const { return m_session->ProcessDialog(); }
    RadioImage& image() const { return m_session->Document().Image(); }
    void pressStart();
    // Until the transfer has ended and its window has closed.
    void waitUntilEnded();
    // A read from a radio answering at the pace of the wire, started and
    // past its first progress step.
    void startSlowRead();

    QTemporaryDir m_store;
    std::unique_ptr<QtCatalogue> m_chinese;
    ProgramContext m_context;
    std::unique_ptr<CProgramView> m_view;
    std::unique_ptr<DocumentSession> m_session;
    std::unique_ptr<SimulatedRadio> m_radio;
    // The result line of the last transfer that ended, as the session hands
    // it to the status bar.
    QString m_resultLine;
};
