// The painter maps a page's twips (y upwards from the printable corner) onto
// the device once: rules land on the pixels their twips give at the device's
// resolution, texts hang below their point, and the fonts have the height
// asked for.

#include "report_qt/report_fonts.h"
#include "report_qt/report_painter.h"
#include "report_qt/report_pdf.h"

#include <QFile>
#include <QTemporaryDir>

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// A white image of 144 dots per inch: 10 twips to the pixel.
QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(144 / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

bool Dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Rows of the image that hold a dark pixel: first and last; -1 when none.
std::pair<int, int> DarkRows(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (Dark(image, x, y)) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace

class ReportPainterTest : public QObject {
    Q_OBJECT

private slots:
    void aJobWithoutPagesWritesNoFileAndFails();
    void printableSizeFollowsEachAxisResolution() {
        QImage image = Canvas(300, 450);
        image.setDotsPerMeterY(static_cast<int>(72 / 0.0254 + 0.5));
        const report::PrintableSize size = report_qt::PrintableTwips(image);
        QCOMPARE(size.width, 300 * 1440 / 144);
        QCOMPARE(size.height, 450 * 1440 / 72);
    }

    void rulesLandWhereTheirTwipsSay() {
        QImage image = Canvas(400, 400);
        report::ReportPage page;
        page.Rule(1000, -720, 2000, -720);  // horizontal, 72 px down
        page.Rule(3000, -100, 3000, -1500); // vertical, x = 300 px
        {
            QPainter painter(&image);
            report_qt::PaintPage(painter, page);
        }
        QVERIFY(Dark(image, 150, 72));
        QVERIFY(!Dark(image, 150, 60));
        QVERIFY(!Dark(image, 150, 84));
        QVERIFY(!Dark(image, 90, 72));
        QVERIFY(!Dark(image, 210, 72));
        QVERIFY(Dark(image, 300, 100));
        QVERIFY(!Dark(image, 300, 5));
        QVERIFY(!Dark(image, 300, 160));
    }

    void textHangsBelowItsPoint() {
        QImage image = Canvas(400, 400);
        report::ReportPage page;
        page.Text(200, -1000, "MH", {600, 0}); // top at 100 px, 60 px high
        {
            QPainter painter(&image);
            report_qt::PaintPage(painter, page);
        }
        const auto [first, last] = DarkRows(image);
        QVERIFY2(first >= 100 && first < 115, qPrintable(QString::number(first)));
        QVERIFY2(last > first + 25 && last <= 160, qPrintable(QString::number(last)));
    }

    void fontHeightsAreTheRequest() {
        const report_qt::ReportFontMetrics metrics;
        for (const int height : {100, 281, 352, 1000}) {
            const QFont font = report_qt::ReportFont({height, height / 2});
            QCOMPARE(font.pixelSize(), height);
            const int line = metrics.LineHeight({height, height / 2});
            // Character height plus internal and external leading.
            QVERIFY2(line >= height && line <= height * 14 / 10,
                     qPrintable(QStringLiteral("%1: %2").arg(height).arg(line)));
        }
        QCOMPARE(metrics.LineHeight({0, 0}), 0);
    }

    void averageWidthIsApproached() {
        for (const int width : {120, 163, 200}) {
            const QFont font = report_qt::ReportFont({352, width});
            const double average = QFontMetricsF(font).averageCharWidth();
            QVERIFY2(std::abs(average - width) <= width * 0.1,
                     qPrintable(QStringLiteral("%1: %2").arg(width).arg(average)));
        }
    }
};

QTEST_MAIN(ReportPainterTest)
// The file of a job that paints no page is not written, and the writer says so
// instead of reporting a success.
void ReportPainterTest::aJobWithoutPagesWritesNoFileAndFails() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const RadioImage image{};
    const ChannelTable channels;
    const report::ReportInput input{image, channels, SourceTexts(), {}};
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    const FileResult result = report_qt::WriteReportPdf(
        path.toStdString(), input, report::SectionFlags{}, QPageSize(QPageSize::A4));
    QVERIFY(!result.Ok());
    QVERIFY(!result.Message(SourceTexts()).empty());
    QVERIFY(!QFile::exists(path));
}

#include "report_painter_test.moc"
