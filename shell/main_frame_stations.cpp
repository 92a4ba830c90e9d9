// Program > Clone Station...: the window that writes the active document into
// many radios, given the document, the Setup menu's safety settings and the
// per-user folders. Quitting asks it first (main_frame_saving.cpp).

#include "shell/main_frame.h"

#include "model/channel_codec.h"
#include "model/program_document.h"
#include "session/program_view.h"
#include "session/write_safety_settings.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "transfer/clone_station_dialog.h"
#include "ui/writable_paths.h"

#include <algorithm>

namespace {

// Some channel of the table has a receive frequency (the "Fr" row aside).
bool HasChannels(const ChannelTable& table) {
    return std::any_of(table.begin(), table.end() - 1,
                       [](const ChannelTexts& row) { return !row[kColRx - 1].empty(); });
}

} // namespace

void CMainFrame::OnCloneStation() {
    if (!m_cloneStation) {
        CloneStationSetup setup;
        setup.shownImage = [this]() -> std::optional<CloneImage> {
            if (!m_activeChild) {
                return std::nullopt;
            }
            // The grid's channels encoded into a copy: the document stays as it is.
            const ChannelTable& table = m_activeChild->View().Channels();
            CloneImage shown{m_activeChild->ShownTitle(), m_activeChild->Document().Image(),
                             HasChannels(table)};
            ::EncodeChannels(table, shown.image, m_context.band);
            return shown;
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
            return CloneImage{m_activeChild->ShownTitle(), m_activeChild->Document().Image(),
                              HasChannels(view.Channels())};
        };
        setup.safety = [this] { return CurrentWriteSafety(m_context.Profile()); };
        setup.setSafety = [this](const WriteSafety& safety) {
            SetSafetySetting(m_context.Profile(), SafetySetting::VerifyAfterWrite, safety.verify);
            SetSafetySetting(m_context.Profile(), SafetySetting::ReadBeforeWrite, safety.readFirst);
            UpdateCommandUI();
        };
        setup.historyFolder = RadioHistoryDir();
        setup.texts = &m_context.Texts();
        m_cloneStation = new CCloneStationDlg(std::move(setup), this);
    }
    m_cloneStation->show();
    m_cloneStation->raise();
    m_cloneStation->activateWindow();
}

CCloneStationDlg* CMainFrame::CloneStationWindow() const {
    return m_cloneStation;
}
