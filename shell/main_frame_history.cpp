// The restore points: File > Radio History opens a kept read, File >
// Compare With lists what differs between the active document and a kept
// read or another file.

#include "shell/main_frame.h"

#include "dialogs/compare_dialog.h"
#include "model/channel_codec.h"
#include "model/image_compare.h"
#include "model/program_document.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "shell/compare_places.h"
#include "shell/compare_show.h"
#include "ui/message_service.h"
#include "ui/writable_paths.h"

#include <QFile>
#include <QFileInfo>

QString CMainFrame::ChooseFromHistory(CRadioHistoryDlg::Purpose purpose) {
    if (m_chooseHistory) {
        return m_chooseHistory(purpose);
    }
    CRadioHistoryDlg dialog(RadioHistoryDir(), purpose, m_context.AppName(), this);
    return dialog.exec() == QDialog::Accepted ? dialog.ChosenPath() : QString();
}

void CMainFrame::OnRadioHistory() {
    const QString path = ChooseFromHistory(CRadioHistoryDlg::Purpose::Open);
    if (!path.isEmpty()) {
        emit openDocumentRequested(path);
    }
}

void CMainFrame::OnCompareWith() {
    if (!m_activeChild) {
        return;
    }
    const QString path = ChooseFromHistory(CRadioHistoryDlg::Purpose::Compare);
    if (path.isEmpty()) {
        return;
    }
    RadioImage other;
    if (const FileResult read = ReadDatFile(QFile::encodeName(path).toStdString(), other);
        !read.Ok()) {
        MessageService::Show(this, QString::fromStdString(read.Message(m_context.Texts())),
                             MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    // What the grid shows is what the document holds; the other file is
    // taken as it would stand once opened and saved, through the same decode
    // and encode, so that what they rewrite on every open (the band code,
    // the flags byte of empty records) is not listed.
    CProgramView& view = m_activeChild->View();
    if (!view.CommitCellEdit()) {
        return;
    }
    view.EncodeChannels();
    RoundTripAsOpened(other);
    CCompareDlg dialog(
        compare::CompareImages(m_activeChild->Document().Image(), other, m_context.Texts()),
        QFileInfo(path).fileName(),
        [this](const compare::Difference& difference) {
            return ComparePlaceText(difference, m_context.Texts());
        },
        m_context.AppName(), this);
    connect(&dialog, &CCompareDlg::showRequested, this,
            [this, &view, &dialog](const compare::Difference& difference) {
                ShowDifference(*this, view, dialog, difference);
            });
    dialog.exec();
}
