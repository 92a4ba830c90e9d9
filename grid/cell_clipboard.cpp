#include "grid/cell_clipboard.h"

#include "exchange/csv_text.h"
#include "exchange/program_layout.h"

#include <QCoreApplication>
#include <QMimeData>

namespace {

ClipboardBlock Read(const QByteArray& utf8, char separator, const TextCatalogue& texts) {
    ClipboardBlock result;
    const exchange::CsvReadResult read = exchange::ReadCsv(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), separator);
    if (!read.Ok()) {
        result.error =
            QString::fromStdString(exchange::CsvErrorText(read.error, read.errorLine, texts));
        return result;
    }
    CellBlock block;
    for (const exchange::CsvRecord& record : read.records) {
        block.push_back(record.fields);
    }
    result.block = exchange::WithoutProgramLayout(block);
    return result;
}

} // namespace

QMimeData* CellBlockMimeData(const CellBlock& cells, const CellBlock& programLayout) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(exchange::WriteCsv(cells, '\t')));
    data->setData(QString::fromLatin1(kCsvMimeType),
                  QByteArray::fromStdString(exchange::WriteCsv(programLayout, ',')));
    return data;
}

ClipboardBlock CellBlockFromMimeData(const QMimeData& data, const TextCatalogue& texts) {
    const QString csv = QString::fromLatin1(kCsvMimeType);
    if (data.hasFormat(csv)) {
        return Read(data.data(csv), ',', texts);
    }
    if (data.hasText()) {
        const QString text = data.text();
        return Read(text.toUtf8(), text.contains(QLatin1Char('\t')) ? '\t' : ',', texts);
    }
    ClipboardBlock none;
    none.error = QCoreApplication::translate("CellClipboard", "The clipboard holds no text.");
    return none;
}
