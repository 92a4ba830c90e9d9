#pragma once
// CNavigationBar: the panel at the left edge of the main window that holds the
// navigation tree. It paints its own frame, a caption with the "company" text
// of the language section and a close button (tooltip "Close"), and the user
// makes it wider or narrower by dragging its right edge: while dragging, a
// tracking line follows the pointer between 80 pixels and half the main
// window's width; on release the width becomes the pointer's x, held between
// 11 and that half. Double clicks do nothing.
//
// Use: put it in the main window's left area (directly, or as the content of a
// QDockWidget without a title bar), fill Tree(), and connect closeRequested()
// to the command that hides the panel. The bar keeps its width while hidden.

#include <QPointer>
#include <QRect>
#include <QRubberBand>
#include <QWidget>

#include <optional>

struct ProgramContext;

class QTreeWidget;

class CNavigationBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int kInitialWidth = 185;
    static constexpr int kCaptionHeight = 22;
    static constexpr int kTreeId = 1030;

    // Reads the caption text ("company" of the language section of profile,
    // the program's settings file).
    explicit CNavigationBar(const ProgramContext& context, QWidget* parent = nullptr);

    // The navigation tree (object name "1030"), owned by the bar.
    QTreeWidget* Tree() const { return m_tree; }
    // The width the bar takes in the window's layout.
    int BarWidth() const { return m_barWidth; }
    QString CaptionText() const { return m_caption; }
    // Widens the bar, once its tree is filled, so that every label of the
    // tree shows whole; a bar wide enough already keeps its width.
    void FitToTree();

    // Geometry of the painted parts, in the bar's coordinates: the inner
    // rectangle of the frame, the close button and the resize strip right of
    // the frame.
    QRect FrameRect() const { return m_frameRect; }
    QRect CloseButtonRect() const { return m_closeRect; }
    QRect ResizeStrip() const;
    // Look of the close button.
    bool IsCloseHot() const { return m_closeHot; }
    bool IsClosePressed() const { return m_closePressed; }
    // The x (bar coordinates) of the tracking line shown during a drag.
    std::optional<int> TrackingX() const { return m_trackingX; }

    QSize sizeHint() const override;

signals:
    // The close button was clicked: the main window hides the bar.
    void closeRequested();
    // A drag of the right edge gave the bar a new width.
    void barWidthChanged(int width);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Half the width of the main window's client area: the widest the bar
    // may become.
    int HalfFrameWidth() const;
    void UpdateGeometry();
    void ShowTrackingLine(int x);
    void HideTrackingLine();
    void SetCloseLook(bool hot, bool pressed);

    QTreeWidget* m_tree = nullptr;
    // Lives in the main window while a drag draws it there.
    QPointer<QRubberBand> m_trackingLine;
    QString m_caption;
    QRect m_frameRect;
    QRect m_closeRect;
    int m_barWidth = kInitialWidth;
    std::optional<int> m_trackingX;
    bool m_dragging = false;
    bool m_mouseDown = false;
    bool m_closeHot = false;
    bool m_closePressed = false;
};
