// The MDI area's background: the program directory's picture tiled from the
// corner, read again at every paint, with a built-in picture as fall-back.

#include "shell/background_painter.h"

#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>

class BackgroundPainterTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    // The program directory the painter looks in.
    std::string m_appDir;

    // A picture whose top-left pixel is `corner` and the rest `fill`.
    void writePicture(QSize size, QColor corner, QColor fill) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(fill);
        picture.setPixelColor(0, 0, corner);
        QVERIFY(picture.save(m_dir.filePath(QStringLiteral("background.bmp")), "BMP"));
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_appDir = m_dir.path().toStdString() + "/";
        QFile::remove(m_dir.filePath(QStringLiteral("background.bmp")));
    }

    void tileArithmetic_data() {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::newRow("last column and row cut off")
            << QSize(500, 300) << QSize(238, 157) << 3 << 2;
        QTest::newRow("exact multiple adds an empty-width tile")
            << QSize(476, 314) << QSize(238, 157) << 3 << 3;
        QTest::newRow("smaller than one picture") << QSize(100, 50) << QSize(238, 157) << 1 << 1;
        QTest::newRow("empty area") << QSize(0, 0) << QSize(238, 157) << 0 << 0;
        QTest::newRow("empty picture") << QSize(500, 300) << QSize(0, 0) << 0 << 0;
    }
    void tileArithmetic() {
        QFETCH(QSize, area);
        QFETCH(QSize, picture);
        QFETCH(int, columns);
        QFETCH(int, rows);
        const TileGrid grid = TilesFor(area, picture);
        QCOMPARE(grid.columns, columns);
        QCOMPARE(grid.rows, rows);
    }

    void tilesThePictureFromTheCorner() {
        writePicture(QSize(238, 157), Qt::red, Qt::blue);
        QMdiArea area;
        CBackgroundPainter::Attach(&area, m_appDir);
        area.viewport()->setFixedSize(500, 300);
        const QImage shown = area.viewport()->grab().toImage();
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(238, 0), QPoint(476, 0), QPoint(0, 157), QPoint(476, 157)}) {
            QCOMPARE(shown.pixelColor(corner), QColor(Qt::red));
        }
        QCOMPARE(shown.pixelColor(237, 156), QColor(Qt::blue));
        QCOMPARE(shown.pixelColor(499, 299), QColor(Qt::blue));
    }

    void pictureIsReadAgainAtEveryPaint() {
        writePicture(QSize(20, 20), Qt::red, Qt::blue);
        QMdiArea area;
        CBackgroundPainter::Attach(&area, m_appDir);
        area.viewport()->setFixedSize(100, 100);
        QCOMPARE(area.viewport()->grab().toImage().pixelColor(20, 20), QColor(Qt::red));
        writePicture(QSize(30, 30), Qt::green, Qt::blue);
        const QImage again = area.viewport()->grab().toImage();
        QCOMPARE(again.pixelColor(30, 30), QColor(Qt::green));
        QCOMPARE(again.pixelColor(20, 20), QColor(Qt::blue));
    }

    void missingPictureFallsBackToTheBuiltInOne() {
        const QImage builtIn = CBackgroundPainter::BuiltInPicture();
        QCOMPARE(builtIn.size(), QSize(238, 157));
        QCOMPARE(CBackgroundPainter::CurrentPicture(m_appDir), builtIn);
        QMdiArea area;
        CBackgroundPainter::Attach(&area, m_appDir);
        area.viewport()->setFixedSize(300, 200);
        const QImage shown = area.viewport()->grab().toImage();
        QCOMPARE(shown.pixelColor(0, 0), builtIn.pixelColor(0, 0));
        QCOMPARE(shown.pixelColor(130, 10), builtIn.pixelColor(130, 10));
        QCOMPARE(shown.pixelColor(238 + 50, 157 + 20), builtIn.pixelColor(50, 20));
        QVERIFY(builtIn.pixelColor(130, 10) != builtIn.pixelColor(50, 20));
    }
};

QTEST_MAIN(BackgroundPainterTest)
#include "background_painter_test.moc"
