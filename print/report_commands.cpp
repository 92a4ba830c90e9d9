#include "print/report_commands.h"

#include "model/program_document.h"
#include "report_qt/report_painter.h"
#include "report_qt/report_pdf.h"
#include "settings/program_context.h"
#include "ui/file_dialogs.h"
#include "ui/message_service.h"
#include "ui/user_store.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

report::ReportInput InputOf(const RadioImage& image, const ChannelTable& channels,
                            const ProgramContext& context) {
    return {image, channels, context.Texts(),
            context.Profile().GetValue(context.strLanguage, "Copyrights Owner", "")};
}

// The document's file beside it with ".pdf" in place of its extension; for
// a new document, which has no file yet, its title with ".pdf".
QString SuggestedPdfName(const CProgramDoc& document) {
    const QFileInfo file(QString::fromStdString(document.Path()));
    if (file.isAbsolute() && file.isFile()) {
        return file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
    }
    return QString::fromStdString(document.Title()) + QStringLiteral(".pdf");
}

} // namespace

ReportCommands::ReportCommands(const ProgramContext& context, QWidget* parent)
    : m_context(context), m_parent(parent), m_printList(new CPrintListDlg(parent)) {}

std::optional<std::pair<report::SectionFlags, int>>
ReportCommands::ChooseSections(const ChannelTable& channels) {
    if (!m_printList || m_printList->DoModal(channels) != QDialog::Accepted) {
        return std::nullopt;
    }
    const report::SectionFlags selected = m_printList->SectionSelected();
    const int pages = report::JobPageCount(m_printList->SectionPages(), selected);
    if (pages == 0) {
        MessageService::Show(m_parent, tr("No report section was chosen; nothing is printed."),
                             MessageButtons::Ok, MessageIcon::Information);
        return std::nullopt;
    }
    return std::make_pair(selected, pages);
}

bool ReportCommands::RunPrintDialog(QPrinter& printer, int pages) {
    if (m_printDialog) {
        return m_printDialog(printer, pages);
    }
    QPrintDialog dialog(&printer, m_parent);
    dialog.setMinMax(1, pages);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    return dialog.exec() == QDialog::Accepted;
}

void ReportCommands::Print(QPrinter& printer, const RadioImage& image,
                           const ChannelTable& channels) {
    const auto job = ChooseSections(channels);
    if (!job) {
        return;
    }
    printer.setFromTo(0, 0);
    if (!RunPrintDialog(printer, job->second)) {
        return;
    }
    const bool range = printer.printRange() == QPrinter::PageRange;
    m_lastJobPages =
        report_qt::PaintReport(printer, InputOf(image, channels, m_context), job->first,
                               range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
    if (m_lastJobPages == 0) {
        MessageService::Show(m_parent, tr("The printer could not be started; nothing was printed."),
                             MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

void ReportCommands::Preview(QPrinter& printer, const RadioImage& image,
                             const ChannelTable& channels) {
    const auto job = ChooseSections(channels);
    if (!job) {
        return;
    }
    const report::ReportInput input = InputOf(image, channels, m_context);
    const report::SectionFlags selected = job->first;
    QPrintPreviewDialog preview(&printer, m_parent);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &input, selected](QPrinter* target) {
                m_lastJobPages = report_qt::PaintReport(*target, input, selected);
            });
    preview.exec();
}

QString ReportCommands::AskPdfFileName(const QString& suggested) {
    // A name without a folder (a new document's) is offered in the folder
    // last used.
    const std::string appName = m_context.AppName();
    const QString start = FileDialogs::StartPath(appName, suggested);
    const QString path =
        m_askPdfName ? m_askPdfName(start)
                     : FileDialogs::AskSave(m_parent, appName, tr("Export PDF"), start,
                                            tr("PDF files (*.pdf)"), nullptr, QStringLiteral("pdf"));
    FileDialogs::KeepFolderOf(appName, path);
    return path;
}

QString ReportCommands::ExportPdf(const QPrinter& printer, const CProgramDoc& document,
                                  const ChannelTable& channels) {
    const auto job = ChooseSections(channels);
    if (!job) {
        return {};
    }
    QString path = AskPdfFileName(SuggestedPdfName(document));
    if (path.isEmpty()) {
        return {};
    }
    if (QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0) {
        path += QStringLiteral(".pdf");
    }
    const FileResult result = report_qt::WriteReportPdf(
        path.toStdString(), InputOf(document.Image(), channels, m_context), job->first,
        printer.pageLayout().pageSize(), QString::fromStdString(document.Title()));
    if (!result.Ok()) {
        MessageService::Show(m_parent, QString::fromStdString(result.Message(m_context.Texts())),
                             MessageButtons::Ok, MessageIcon::Exclamation);
        return {};
    }
    m_lastJobPages = job->second;
    return path;
}
