// File > Print and Export PDF through the window: the PrintList dialog's
// opening state, Select All, Clear All, Cancel and OK, the page count handed
// to the job, the message when nothing is chosen, and a PDF that cannot be
// written.

#include "model/channel_codec.h"
#include "model/program_document.h"
#include "print/report_commands.h"
#include "session/program_view.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <fstream>

namespace {

// A file with `channels` channels of 145 MHz (receive and transmit).
QString WriteChannels(const ProgramDirFixture& dir, int channels) {
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    const FrequencyBytes mhz145 = FrequencyTextToBytes("145.00000");
    for (int n = 0; n < channels; ++n) {
        std::copy(mhz145.begin(), mhz145.end(),
                  image.data() + layout::ChannelRecord(n) + layout::kRecRx);
        std::copy(mhz145.begin(), mhz145.end(),
                  image.data() + layout::ChannelRecord(n) + layout::kRecTx);
    }
    const QString path = dir.FilePath(QStringLiteral("channels.dat"));
    std::ofstream(path.toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
    return path;
}

// Pages of a PDF file: its page objects.
int PdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// True when the PDF file's title is title, as the writer stores it: a
// UTF-16 text string with its byte-order mark.
bool PdfHasTitle(const QString& path, const QString& title) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QByteArray expected("/Title (\xFE\xFF");
    for (const QChar c : title) {
        for (const char byte : {char(c.unicode() >> 8), char(c.unicode() & 0xFF)}) {
            if (byte == '(' || byte == ')' || byte == '\\') {
                expected += '\\';
            }
            expected += byte;
        }
    }
    return file.readAll().contains(expected + ')');
}

QCheckBox* Box(QWidget* dialog, int id) {
    return dialog->findChild<QCheckBox*>(QString::number(id));
}
void Click(QWidget* dialog, int id) {
    QAbstractButton* button = dialog->findChild<QAbstractButton*>(QString::number(id));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

std::vector<bool> Checks(QWidget* dialog) {
    std::vector<bool> checks;
    for (const int id : CPrintListDlg::kCheckIds) {
        checks.push_back(Box(dialog, id)->isChecked());
    }
    return checks;
}

} // namespace

class PrintCommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramDirFixture> m_dir;
    std::unique_ptr<CProgramApp> m_app;
    // Calls of the print dialog: the page count each was handed.
    std::vector<int> m_printDialogPages;
    QString m_pdf;

    CMainFrame& Frame() { return *m_app->MainFrame(); }

    // Runs command `id` with actions inside the PrintList dialog's loop.
    void RunWithPrintList(int id, std::function<void(CPrintListDlg&)> actions) {
        CPrintListDlg& dialog = m_app->Reports().PrintList();
        QTimer::singleShot(0, &dialog, [&dialog, actions] {
            QVERIFY(dialog.isVisible());
            actions(dialog);
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
        Frame().OnCommand(id);
        QVERIFY(!dialog.isVisible());
    }

private slots:
    void init() {
        m_dir = std::make_unique<ProgramDirFixture>();
        m_app = std::make_unique<CProgramApp>();
        QVERIFY(StartProgram(*m_app, *m_dir));
        QVERIFY(m_app->OpenDocumentFile(WriteChannels(*m_dir, 12)));
        m_printDialogPages.clear();
        m_pdf = m_dir->FilePath(QStringLiteral("job.pdf"));
        m_app->Reports().SetPrintDialog([this](QPrinter& printer, int pages) {
            m_printDialogPages.push_back(pages);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_pdf);
            return true;
        });
    }
    void cleanup() {
        m_app->ExitInstance();
        m_app.reset();
        m_dir.reset();
    }

    void openingStateAndCancel() {
        RunWithPrintList(ID_FILE_PRINT, [](CPrintListDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("PrintList"));
            QCOMPARE(Checks(&dialog), (std::vector<bool>{false, false, true, false, true}));
            QCOMPARE(dialog.SectionPages(), (report::SectionPages{1, 1, 1, 2, 3}));
            // A click hands the box's state to the selection at once.
            Click(&dialog, 1045);
            QCOMPARE(dialog.SectionSelected(), (report::SectionFlags{true, false, false, false, false}));
            Click(&dialog, 2);
        });
        QCOMPARE(m_printDialogPages.size(), std::size_t{0});
        QCOMPARE(m_dir->Messages().size(), std::size_t{0});
        QVERIFY(!QFile::exists(m_pdf));
    }

    void everyOpeningStartsFromTheDefault() {
        RunWithPrintList(ID_FILE_PRINT, [](CPrintListDlg& dialog) {
            Click(&dialog, CPrintListDlg::kSelectAllId);
            Click(&dialog, 2);
        });
        RunWithPrintList(ID_FILE_PRINT_PREVIEW, [](CPrintListDlg& dialog) {
            QCOMPARE(Checks(&dialog), (std::vector<bool>{false, false, true, false, true}));
            QCOMPARE(dialog.SectionSelected(), report::SectionFlags{});
            Click(&dialog, 2);
        });
    }

    void selectAllAndOkPrintsEveryPage() {
        RunWithPrintList(ID_FILE_PRINT, [](CPrintListDlg& dialog) {
            Click(&dialog, CPrintListDlg::kSelectAllId);
            QCOMPARE(Checks(&dialog), std::vector<bool>(5, true));
            Click(&dialog, 1);
        });
        QCOMPARE(m_printDialogPages, std::vector<int>{8});
        QCOMPARE(m_app->Reports().LastJobPages(), 8);
        QCOMPARE(PdfPages(m_pdf), 8);
    }

    void okWithTheDefaultPrintsOptionalAndChannels() {
        RunWithPrintList(ID_FILE_PRINT, [](CPrintListDlg& dialog) { Click(&dialog, 1); });
        QCOMPARE(m_printDialogPages, std::vector<int>{4});
        QCOMPARE(PdfPages(m_pdf), 4);
    }

    void aPrinterThatCannotStartIsReported() {
        // An output file in a folder that is not there: the printer cannot begin.
        m_app->Reports().SetPrintDialog([this](QPrinter& printer, int) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_dir->FilePath(QStringLiteral("missing/job.pdf")));
            return true;
        });
        RunWithPrintList(ID_FILE_PRINT, [](CPrintListDlg& dialog) { Click(&dialog, 1); });
        QCOMPARE(m_app->Reports().LastJobPages(), 0);
        QCOMPARE(m_dir->MessageTexts(),
                 QStringList{QStringLiteral("The printer could not be started; nothing was printed.")});
    }

    void clearAllAndOkStartsNoJob() {
        RunWithPrintList(ID_FILE_PRINT, [](CPrintListDlg& dialog) {
            Click(&dialog, CPrintListDlg::kClearAllId);
            QCOMPARE(Checks(&dialog), std::vector<bool>(5, false));
            Click(&dialog, 1);
        });
        QCOMPARE(m_printDialogPages.size(), std::size_t{0});
        QCOMPARE(m_dir->MessageTexts(),
                 QStringList{QStringLiteral("No report section was chosen; nothing is printed.")});
        QVERIFY(!QFile::exists(m_pdf));
    }

    void exportPdfWritesTheReport() {
        const QString target = m_dir->FilePath(QStringLiteral("report.pdf"));
        m_app->Reports().SetPdfFileNameProvider([&target](const QString&) { return target; });
        RunWithPrintList(ID_FILE_EXPORT_PDF, [](CPrintListDlg& dialog) {
            Click(&dialog, 1248); // 2-Tone as well: 1 + 2 + 3 pages
            Click(&dialog, 1);
        });
        QCOMPARE(m_dir->Messages().size(), std::size_t{0});
        QCOMPARE(PdfPages(target), 6);
        QCOMPARE(m_app->Reports().LastJobPages(), 6);
    }

    // The name suggested follows the document, ".pdf" is added to a name
    // given without it, the status bar says where the file went, and the
    // PDF carries the document's title.
    void exportPdfNamesTheFileAfterTheDocument_data() {
        QTest::addColumn<bool>("newDocument");
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<QString>("title");
        QTest::newRow("opened file") << false << QStringLiteral("channels.pdf")
                                     << QStringLiteral("channels.dat");
        QTest::newRow("new document") << true << QStringLiteral("Channel Information.pdf")
                                      << QStringLiteral("Channel Information");
    }

    void exportPdfNamesTheFileAfterTheDocument() {
        QFETCH(bool, newDocument);
        QFETCH(QString, suggested);
        QFETCH(QString, title);
        if (newDocument) {
            Frame().OnCommand(ID_FILE_NEW);
        }
        QString asked;
        const QString typed = m_dir->FilePath(QStringLiteral("my report"));
        m_app->Reports().SetPdfFileNameProvider([&](const QString& name) {
            asked = name;
            return typed;
        });
        RunWithPrintList(ID_FILE_EXPORT_PDF, [](CPrintListDlg& dialog) { Click(&dialog, 1); });
        QCOMPARE(QFileInfo(asked).fileName(), suggested);
        if (!newDocument) {
            QCOMPARE(asked, m_dir->FilePath(suggested)); // beside the document
        }
        const QString written = typed + QStringLiteral(".pdf");
        QVERIFY(!QFile::exists(typed));
        QVERIFY(PdfPages(written) > 0);
        QVERIFY(PdfHasTitle(written, title));
        QVERIFY2(Frame().StatusMessage().contains(QDir::toNativeSeparators(written)),
                 qPrintable(Frame().StatusMessage()));
    }

    void exportPdfToAFolderThatIsNotThere() {
        const QString target = m_dir->FilePath(QStringLiteral("missing/report.pdf"));
        m_app->Reports().SetPdfFileNameProvider([&target](const QString&) { return target; });
        RunWithPrintList(ID_FILE_EXPORT_PDF, [](CPrintListDlg& dialog) { Click(&dialog, 1); });
        QCOMPARE(m_dir->Messages().size(), std::size_t{1});
        QVERIFY(m_dir->MessageTexts()[0].startsWith(QStringLiteral("Cannot write the file: ")));
        QCOMPARE(m_dir->Messages()[0].icon, MessageIcon::Exclamation);
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_MAIN(PrintCommandsTest)
#include "print_commands_test.moc"
