#include "shell/background_painter.h"

#include <QEvent>
#include <QMdiArea>
#include <QPainter>

TileGrid TilesFor(QSize area, QSize picture) {
    if (picture.width() <= 0 || picture.height() <= 0 || area.isEmpty()) {
        return {};
    }
    return {area.width() / picture.width() + 1, area.height() / picture.height() + 1};
}

CBackgroundPainter* CBackgroundPainter::Attach(QMdiArea* area, const std::string& appDir) {
    return new CBackgroundPainter(area->viewport(), appDir);
}

CBackgroundPainter::CBackgroundPainter(QWidget* viewport, std::string appDir)
    : QObject(viewport), m_viewport(viewport), m_appDir(std::move(appDir)) {
    m_viewport->installEventFilter(this);
    m_viewport->update();
}

QImage CBackgroundPainter::BuiltInPicture() {
    // A quiet two-tone check, the size of the picture it stands in for.
    QImage picture(238, 157, QImage::Format_RGB32);
    picture.fill(QColor(0xe8, 0xee, 0xf4));
    QPainter painter(&picture);
    const QColor shade(0xdd, 0xe6, 0xee);
    painter.fillRect(0, 0, 119, 79, shade);
    painter.fillRect(119, 79, 119, 78, shade);
    return picture;
}

QImage CBackgroundPainter::CurrentPicture(const std::string& appDir) {
    const QImage file(QString::fromStdString(appDir) + QStringLiteral("background.bmp"));
    return file.isNull() ? BuiltInPicture() : file;
}

bool CBackgroundPainter::eventFilter(QObject* watched, QEvent* event) {
    // Only the type and the pointer are looked at first: the filter also sees
    // the events of a viewport that is being destroyed.
    const QEvent::Type type = event->type();
    if ((type != QEvent::Resize && type != QEvent::Paint) || watched != m_viewport) {
        return false;
    }
    if (type == QEvent::Resize) {
        // Redraw everything, so the tiling starts from the corner again.
        m_viewport->update();
        return false;
    }
    const QImage picture = CurrentPicture(m_appDir);
    const TileGrid grid = TilesFor(m_viewport->size(), picture.size());
    QPainter painter(m_viewport);
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            painter.drawImage(column * picture.width(), row * picture.height(), picture);
        }
    }
    return true;
}
