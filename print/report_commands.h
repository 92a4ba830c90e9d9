#pragma once
// File > Print, Print Preview and Export PDF of a document: the PrintList
// choice first (Cancel ends the command without a message; a choice without
// any section tells the user so and starts no job), then the platform's print
// dialog, the preview window or the PDF file name, on the program's printer
// (the one Print Setup keeps). The report is laid out in the language in use,
// with the owner text of the language's settings section in the footer.

#include "model/channel_table.h"
#include "model/radio_image.h"
#include "print/print_list_dialog.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class CProgramDoc;
class QPrinter;
class QWidget;

struct ProgramContext;
class ReportCommands : public QObject {
    Q_OBJECT
public:
    // Dialogs and messages are shown over parent, which owns the PrintList
    // dialog.
    // context: the program's catalogue, settings file and language (the
    // report's texts and its copyright owner).
    ReportCommands(const ProgramContext& context, QWidget* parent);

    void Print(QPrinter& printer, const RadioImage& image, const ChannelTable& channels);
    void Preview(QPrinter& printer, const RadioImage& image, const ChannelTable& channels);
    // Writes the report of document as a PDF whose title is the document's:
    // the file name suggested is the document's with ".pdf" (its title for
    // a new document), and ".pdf" is added to a name given without it.
    // Returns the path written; empty when nothing was.
    QString ExportPdf(const QPrinter& printer, const CProgramDoc& document,
                      const ChannelTable& channels);

    // The PrintList dialog (reused for every job).
    CPrintListDlg& PrintList() { return *m_printList; }
    // Pages of the last job handed to a printer, preview or file; 0 before any.
    int LastJobPages() const { return m_lastJobPages; }

    // Replaces the platform's print dialog (tests): called with the printer
    // and the job's page count, true to print.
    void SetPrintDialog(std::function<bool(QPrinter&, int pages)> dialog) {
        m_printDialog = std::move(dialog);
    }
    // Answers the file name of Export PDF (tests), given the name suggested;
    // an empty answer cancels.
    void SetPdfFileNameProvider(std::function<QString(const QString& suggested)> provider) {
        m_askPdfName = std::move(provider);
    }

private:
    // The PrintList choice and the job's page count; nothing when cancelled
    // or when no section was chosen (said to the user).
    std::optional<std::pair<report::SectionFlags, int>> ChooseSections(const ChannelTable& channels);
    bool RunPrintDialog(QPrinter& printer, int pages);
    QString AskPdfFileName(const QString& suggested);

    const ProgramContext& m_context;
    QWidget* m_parent;
    QPointer<CPrintListDlg> m_printList;
    int m_lastJobPages = 0;
    std::function<bool(QPrinter&, int)> m_printDialog;
    std::function<QString(const QString&)> m_askPdfName;
};
