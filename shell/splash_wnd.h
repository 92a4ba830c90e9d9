#pragma once
// CSplashWnd: the start-up splash, the picture "startup.bmp" of the program
// directory in a borderless popup centred on the screen. It hides itself
// after 1000 ms (counting on until another window of the program is shown,
// so that it is still up when the main window appears), or at once on any key press or mouse button press anywhere
// in the application; that key or button press is consumed and has no other
// effect. At most one splash exists at a time.

#include <QPixmap>
#include <QWidget>

class CSplashWnd : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowMs = 1000;

    // Whether a splash may be shown at all (off when the program runs
    // without a window or embedded).
    static void EnableSplash(bool enable);
    // Shows the splash of programDir (with a trailing separator) when enabled
    // and none is shown. Returns whether the splash picture was loaded, so
    // that start-up waits for it; false also when splashes are disabled or the
    // file is missing or unreadable (no splash, no wait).
    static bool ShowSplash(const QString& programDir);
    // Removes the splash and repaints the application's other windows at once.
    static void HideSplash();
    // The splash on screen, or null.
    static CSplashWnd* Instance();

    ~CSplashWnd() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CSplashWnd(const QPixmap& picture);

    QPixmap m_picture;
    int m_timerId = 0;
};
