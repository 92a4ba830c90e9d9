#include "ui/navigation_bar.h"

#include "ui/language_text.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int kResizeStripWidth = 6;
constexpr int kMinTrackingX = 80;
constexpr int kMinBarWidth = 11;

// A rectangle given by its edges, right and bottom exclusive.
QRect fromEdges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

int rightEdge(const QRect& r) {
    return r.x() + r.width();
}
int bottomEdge(const QRect& r) {
    return r.y() + r.height();
}

QColor greyText(const QWidget& w) {
    return w.palette().color(QPalette::Disabled, QPalette::Text);
}

} // namespace

CNavigationBar::CNavigationBar(const ProgramContext& context, QWidget* parent)
    : QWidget(parent), m_caption(LanguageText(context, "company")) {
    setWindowTitle(QStringLiteral("IE Control Bar"));
    setObjectName(QStringLiteral("CNavigationBar"));
    setMouseTracking(true);

    // The bar's font: 12 pixels high, normal weight, under the face name the
    // bar has always asked for; the font system substitutes a close match.
    QFont captionFont(QStringLiteral("Time New Roman"));
    captionFont.setPixelSize(12);
    captionFont.setWeight(QFont::Normal);
    setFont(captionFont);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QString::number(kTreeId));
    m_tree->setHeaderHidden(true);

    setFixedWidth(m_barWidth);
    UpdateGeometry();
}

void CNavigationBar::FitToTree() {
    // The tree lies 5 pixels in from the left and 8 from the right; its
    // widest label is measured with its indentation (the tree's own measure,
    // reached through the view's public interface).
    const QAbstractItemView* view = m_tree;
    const int treeWidth = view->sizeHintForColumn(0) + 2 * m_tree->frameWidth();
    const int width = std::max(m_barWidth, 5 + treeWidth + 8);
    if (width != m_barWidth) {
        m_barWidth = width;
        setFixedWidth(m_barWidth);
        updateGeometry();
    }
}

QSize CNavigationBar::sizeHint() const {
    return QSize(m_barWidth, QWidget::sizeHint().height());
}

QRect CNavigationBar::ResizeStrip() const {
    if (m_frameRect.isEmpty()) {
        return QRect();
    }
    return QRect(rightEdge(m_frameRect), m_frameRect.y(), kResizeStripWidth, m_frameRect.height());
}

int CNavigationBar::HalfFrameWidth() const {
    const QWidget* frame = window();
    return (frame == this ? width() : frame->width()) / 2;
}

void CNavigationBar::UpdateGeometry() {
    const int w = width();
    const int h = height();
    // The painted frame: the client area less 3 on the left, 6 at the top,
    // 6 on the right and 49 at the bottom; inside it, one pixel in at the
    // left and top.
    const QRect outline = fromEdges(3, 6, w - 6, h - 49);
    m_frameRect = outline.isValid() ? fromEdges(outline.x() + 1, outline.y() + 1,
                                                rightEdge(outline), bottomEdge(outline))
                                    : QRect();
    // The close button: a square of the caption's height that ends 5 pixels
    // left of the frame's right edge, narrowed to the cross it shows.
    const int fr = rightEdge(m_frameRect);
    const int ft = m_frameRect.y();
    m_closeRect = m_frameRect.isEmpty()
                      ? QRect()
                      : fromEdges(fr - 20 + 7, ft + 4 + 4, fr - 4 + 1, ft + 19 - 3);
    // The tree below the caption.
    m_tree->setGeometry(fromEdges(5, 8 + kCaptionHeight + 1, w - 8, std::max(h - 51, 31)));
}

void CNavigationBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateGeometry();
}

void CNavigationBar::paintEvent(QPaintEvent*) {
    UpdateGeometry();
    QPainter painter(this);
    const QRect outline = fromEdges(3, 6, width() - 6, height() - 49);
    if (!outline.isValid()) {
        return;
    }
    painter.setPen(greyText(*this));
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    const int l = outline.x();
    const int t = outline.y();
    const int r = rightEdge(outline);
    const int b = bottomEdge(outline);
    painter.drawLine(l + 1, t + 1, l + 1, b - 2);
    painter.drawLine(l + 1, t + 1, r - 2, t + 1);
    painter.drawLine(r, t, r, b);
    painter.drawLine(l, b, r, b);

    // Caption: the text on one line, vertically centred in the strip, and a
    // rule under the strip.
    const QRect caption(m_frameRect.x(), m_frameRect.y(), m_frameRect.width(), kCaptionHeight);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(caption.adjusted(5, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_caption);
    painter.setPen(greyText(*this));
    const int ruleY = m_frameRect.y() + kCaptionHeight;
    painter.drawLine(m_frameRect.x() + 1, ruleY, rightEdge(m_frameRect) - 1, ruleY);

    // Close button: raised when hot, sunken when pressed, and its cross.
    if (m_closeHot || m_closePressed) {
        const QColor topLeft = palette().color(m_closeHot ? QPalette::Light : QPalette::Dark);
        const QColor bottomRight = palette().color(m_closeHot ? QPalette::Dark : QPalette::Light);
        const QRect c = m_closeRect.adjusted(0, 0, -1, -1);
        painter.setPen(topLeft);
        painter.drawLine(c.topLeft(), c.topRight());
        painter.drawLine(c.topLeft(), c.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(c.bottomLeft(), c.bottomRight());
        painter.drawLine(c.topRight(), c.bottomRight());
    }
    const QRect cross = m_closeRect.adjusted(2, 1, -3, -2);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.bottomLeft(), cross.topRight());
}

bool CNavigationBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (m_closeRect.contains(help->pos())) {
            QToolTip::showText(help->globalPos(), tr("Close"), this, m_closeRect);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void CNavigationBar::SetCloseLook(bool hot, bool pressed) {
    if (hot != m_closeHot || pressed != m_closePressed) {
        m_closeHot = hot;
        m_closePressed = pressed;
        update(m_closeRect.adjusted(-1, -1, 16, 16));
    }
}

void CNavigationBar::ShowTrackingLine(int x) {
    // Two thin lines, 2 pixels apart, from the top of the bar to 43 pixels
    // above its bottom, over whatever lies beside the bar.
    QWidget* host = window();
    if (!m_trackingLine) {
        m_trackingLine = new QRubberBand(QRubberBand::Line, host);
    } else if (m_trackingLine->parentWidget() != host) {
        m_trackingLine->setParent(host);
    }
    const QPoint top = mapTo(host, QPoint(x, 0));
    m_trackingLine->setGeometry(top.x(), top.y(), 3, std::max(height() - 43, 1));
    m_trackingLine->show();
    m_trackingLine->raise();
    m_trackingX = x;
}

void CNavigationBar::HideTrackingLine() {
    if (m_trackingLine) {
        m_trackingLine->hide();
    }
    m_trackingX.reset();
}

void CNavigationBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // The pointer stays with the bar until the button is released.
    const QPoint p = event->position().toPoint();
    if (!m_closeRect.isEmpty()) {
        m_mouseDown = true;
        SetCloseLook(false, m_closeRect.contains(p));
    }
    if (ResizeStrip().contains(p)) {
        m_dragging = true;
    }
    event->accept();
}

void CNavigationBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (m_dragging) {
        HideTrackingLine();
        ShowTrackingLine(std::min(std::max(p.x(), kMinTrackingX), HalfFrameWidth()));
    }
    setCursor(m_dragging || ResizeStrip().contains(p) ? Qt::SizeHorCursor : Qt::ArrowCursor);

    if (m_closeRect.contains(p)) {
        if (!m_closeHot) {
            SetCloseLook(!m_mouseDown, m_mouseDown);
        }
    } else if (m_closeHot || m_closePressed) {
        SetCloseLook(false, false);
    }
    event->accept();
}

void CNavigationBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    m_mouseDown = false;
    SetCloseLook(false, false);
    HideTrackingLine();

    if (!m_closeRect.isEmpty() && m_closeRect.contains(p)) {
        emit closeRequested();
    }
    if (m_dragging) {
        m_dragging = false;
        int newWidth = std::max(p.x(), kMinBarWidth);
        newWidth = std::min(newWidth, HalfFrameWidth());
        m_barWidth = newWidth;
        setFixedWidth(m_barWidth);
        updateGeometry();
        emit barWidthChanged(m_barWidth);
    }
    event->accept();
}

void CNavigationBar::mouseDoubleClickEvent(QMouseEvent* event) {
    // Taken and dropped: a double click never floats or moves the bar.
    event->accept();
}

void CNavigationBar::leaveEvent(QEvent* event) {
    // The pointer left the bar straight from the close button: no longer hot.
    if (!m_mouseDown) {
        SetCloseLook(false, false);
    }
    QWidget::leaveEvent(event);
}
