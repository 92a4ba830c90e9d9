#include "report_qt/report_pdf.h"

#include "report_qt/report_painter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

namespace report_qt {
namespace {

// Margins of the PDF's printable area, as a printer's would be.
constexpr double kMarginMillimetres = 10.0;

} // namespace

QByteArray ReportPdfBytes(const report::ReportInput& input, const report::SectionFlags& selected,
                          const QPageSize& pageSize, const QString& title) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Radio Programmer"));
        writer.setTitle(title);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait,
                                         QMarginsF(kMarginMillimetres, kMarginMillimetres,
                                                   kMarginMillimetres, kMarginMillimetres),
                                         QPageLayout::Millimeter));
        if (PaintReport(writer, input, selected) == 0) {
            return {};
        }
    }
    return bytes;
}

FileResult WriteReportPdf(const std::string& path, const report::ReportInput& input,
                          const report::SectionFlags& selected, const QPageSize& pageSize,
                          const QString& title) {
    // A target that can never be written is told before the work.
    FileResult check = CheckSaveTarget(path);
    if (!check.Ok()) {
        return check;
    }
    const QByteArray bytes = ReportPdfBytes(input, selected, pageSize, title);
    if (bytes.isEmpty()) {
        // Nothing was painted: the file is not written, and that is no success.
        return FileFailure(FileError::CannotWrite, path,
                           TEXT_ID("FileResult", "Cannot write the file"));
    }
    return WriteFileAtomically(path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace report_qt
