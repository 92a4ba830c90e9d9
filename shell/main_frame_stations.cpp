// Program > Clone Station...: the window that writes the active document into
// many radios, given the document, the Setup menu's safety settings and the
// per-user folders. Quitting asks it first (main_frame_saving.cpp).

#include "shell/main_frame.h"

#include "model/program_document.h"
#include "session/program_view.h"
#include "session/write_safety_settings.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "transfer/clone_station_dialog.h"
#include "ui/writable_paths.h"

void CMainFrame::OnCloneStation() {
    if (!m_cloneStation) {
        CloneStationSetup setup;
        setup.imageTitle = [this] {
            return m_activeChild ? QString::fromStdString(m_activeChild->Document().Title())
                                 : QString();
        };
        setup.image = [this](QString& problem) -> std::optional<CloneImage> {
            if (!m_activeChild) {
                problem = tr("Open the document to write into the radios first.");
                return std::nullopt;
            }
            if (TransferRunning()) {
                problem = tr("Wait until the transfer with the radio has ended.");
                return std::nullopt;
            }
            // The grid is the working copy of the channel table, as for a
            // write; a refused cell entry has said so itself.
            CProgramView& view = m_activeChild->View();
            if (!view.CommitCellEdit()) {
                return std::nullopt;
            }
            view.EncodeChannels();
            return CloneImage{QString::fromStdString(m_activeChild->Document().Title()),
                              m_activeChild->Document().Image()};
        };
        setup.safety = [this] { return CurrentWriteSafety(m_context.Profile()); };
        setup.setSafety = [this](const WriteSafety& safety) {
            SetSafetySetting(m_context.Profile(), SafetySetting::VerifyAfterWrite, safety.verify);
            SetSafetySetting(m_context.Profile(), SafetySetting::ReadBeforeWrite, safety.readFirst);
            UpdateCommandUI();
        };
        setup.historyFolder = RadioHistoryDir();
        m_cloneStation = new CCloneStationDlg(std::move(setup), this);
    }
    m_cloneStation->show();
    m_cloneStation->raise();
    m_cloneStation->activateWindow();
}

CCloneStationDlg* CMainFrame::CloneStationWindow() const {
    return m_cloneStation;
}
