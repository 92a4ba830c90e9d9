#pragma once
// CBackgroundPainter: paints the empty area of the main window behind the
// document windows with the picture "background.bmp" of the program
// directory, tiled from the top-left corner. The picture is read again at
// every paint, so a dealer's new picture shows without a restart; when it is
// missing or unreadable a built-in picture takes its place.

#include <QImage>
#include <QObject>
#include <QSize>

#include <string>

class QMdiArea;

// How many tiles of a picture cover an area: columns 0 .. width / picture
// width and rows 0 .. height / picture height, both inclusive (the last ones
// may be cut off at the edge).
struct TileGrid {
    int columns = 0;
    int rows = 0;
};
TileGrid TilesFor(QSize area, QSize picture);

class CBackgroundPainter : public QObject {
    Q_OBJECT

public:
    // Takes over the background of `area` for the area's lifetime (the painter
    // belongs to the area's viewport).
    // appDir: the program directory (with a trailing separator).
    static CBackgroundPainter* Attach(QMdiArea* area, const std::string& appDir);

    // The picture the next paint uses: "background.bmp" of the program
    // directory appDir, or the built-in picture.
    static QImage CurrentPicture(const std::string& appDir);
    // The built-in picture (238 x 157).
    static QImage BuiltInPicture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CBackgroundPainter(QWidget* viewport, std::string appDir);

    QWidget* m_viewport;
    std::string m_appDir;
};
