// File > Import Channels and File > Export Channels of the main window: CSV
// channel lists in and out of the active document's channel table.

#include "shell/main_frame.h"

#include "exchange/csv_file.h"
#include "model/program_document.h"
#include "session/document_history.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "ui/cell_message.h"
#include "ui/file_dialogs.h"
#include "ui/message_service.h"
#include "ui/user_store.h"

#include <QFileInfo>

#include <map>

namespace {

// A heading with the count, then every line of the file with its notes, one
// a line.
QStringList NoteList(const QString& heading, const std::vector<exchange::ImportNote>& notes) {
    if (notes.empty()) {
        return {};
    }
    std::map<int, QStringList> reasons;
    for (const exchange::ImportNote& note : notes) {
        reasons[note.line] << (note.messageId != 0 ? StringTableString(note.messageId)
                                                   : QString::fromStdString(note.text));
    }
    QStringList lines{heading.arg(notes.size())};
    for (const auto& [line, texts] : reasons) {
        lines << QStringLiteral("    ") +
                     CMainFrame::tr("line %1: %2").arg(line).arg(texts.join(QStringLiteral("; ")));
    }
    return lines;
}

QStringList SkippedList(const std::vector<exchange::ImportNote>& skipped) {
    return NoteList(CMainFrame::tr("Rows skipped: %1"), skipped);
}

} // namespace

CMainFrame::ChannelListChoice CMainFrame::AskChannelList(bool forExport) {
    ChannelListChoice choice = m_askChannelList ? m_askChannelList(forExport)
                                                : AskChannelListFile(forExport);
    FileDialogs::KeepFolderOf(m_context.AppName(), choice.path);
    return choice;
}

CMainFrame::ChannelListChoice CMainFrame::AskChannelListFile(bool forExport) {
    const QString programFilter = tr("Channel list, this program's columns (*.csv)");
    const QString genericFilter = tr("Channel list, columns of other programming tools (*.csv)");
    ChannelListChoice choice;
    if (!forExport) {
        choice.path = FileDialogs::AskOpen(this, m_context.AppName(), tr("Import Channels"),
                                           tr("Channel lists (*.csv *.txt);;All files (*)"));
        return choice;
    }
    QString filter = programFilter;
    choice.path =
        FileDialogs::AskSave(this, m_context.AppName(), tr("Export Channels"), {},
                             programFilter + QStringLiteral(";;") + genericFilter, &filter);
    choice.layout =
        filter == genericFilter ? exchange::CsvLayout::Generic : exchange::CsvLayout::Program;
    return choice;
}

void CMainFrame::OnImportChannels() {
    ImportChannels(exchange::Placement::Replace);
}

void CMainFrame::OnImportChannelsIntoEmpty() {
    ImportChannels(exchange::Placement::IntoEmpty);
}

void CMainFrame::ImportChannels(exchange::Placement placement) {
    CChildFrame* child = m_activeChild;
    if (!child || !child->View().CommitCellEdit()) {
        return;
    }
    const QString path = AskChannelList(false).path;
    if (path.isEmpty()) {
        return;
    }
    std::string text;
    if (const FileResult read = exchange::ReadCsvFile(path.toStdString(), text); !read.Ok()) {
        MessageService::Show(this, QString::fromStdString(read.Message(m_context.Texts())),
                             MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const exchange::ChannelImport import =
        exchange::ReadChannelCsv(text, m_context.band, m_context.Texts());
    if (!import.ok) {
        MessageService::ShowList(this, QString::fromStdString(import.error),
                                 SkippedList(import.skipped), MessageButtons::Ok,
                                 MessageIcon::Exclamation);
        return;
    }
    CProgramView& view = child->View();
    const exchange::PlacedChannels placed =
        exchange::PlaceChannels(view.Channels(), import, placement, m_context.Texts());
    const QString summary =
        tr("Import channels from %1?").arg(QFileInfo(path).fileName()) + QStringLiteral("\n\n") +
        (placement == exchange::Placement::Replace
             ? tr("Channels to import: %1. They replace the channels of rows 1 to 128.")
             : tr("Channels to import: %1. They go into the rows that hold no channel."))
            .arg(placed.placed);
    const QStringList notes = SkippedList(exchange::SkippedRows(import, placed)) +
                              NoteList(tr("Warnings: %1"), import.warnings);
    if (MessageService::ShowList(this, summary, notes, MessageButtons::OkCancel,
                                 MessageIcon::Question) != MessageAnswer::Ok) {
        return;
    }
    // The whole import is one step of the document's undo history.
    child->History().Change(tr("Import Channels"), [&] { view.SetChannels(placed.table); });
    SetStatusMessage(tr("%1 channels imported").arg(placed.placed));
}

void CMainFrame::OnExportChannels() {
    CChildFrame* child = m_activeChild;
    if (!child || !child->View().CommitCellEdit()) {
        return;
    }
    ChannelListChoice choice = AskChannelList(true);
    if (choice.path.isEmpty()) {
        return;
    }
    if (QFileInfo(choice.path).suffix().isEmpty()) {
        choice.path += QStringLiteral(".csv");
    }
    const FileResult written = exchange::WriteCsvFile(
        choice.path.toStdString(),
        exchange::WriteChannelCsv(child->View().Channels(), choice.layout, m_context.Texts()));
    if (!written.Ok()) {
        MessageService::Show(this, QString::fromStdString(written.Message(m_context.Texts())),
                             MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    SetStatusMessage(tr("Channels exported to %1").arg(QFileInfo(choice.path).fileName()));
}
