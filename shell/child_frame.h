#pragma once
// CChildFrame: the window of one document inside the main window. It owns the
// document and its channel view. A close request hides the window instead of
// closing it; the document goes away only when the window is destroyed (File
// New, or the end of the program), and with it its undo history. Neither
// happens while its transfer runs. Every change the view reports becomes a
// step of that history.

#include <QMdiSubWindow>
#include <QSize>
#include <memory>

class CProgramDoc;
class CProgramView;
class DocumentHistory;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // Takes ownership of the document and builds its view.
    explicit CChildFrame(std::unique_ptr<CProgramDoc> doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CProgramDoc& Document() const { return *m_doc; }

    // Keeps the window inside a workspace of the given size: a window larger
    // than it is cut to it; a window that was cut grows back, up to the size
    // it had before, when the workspace grows. A maximised window, and a
    // window the user resized within the workspace, keep their size.
    void FitInto(const QSize& workspace);
    CProgramView& View() const { return *m_view; }
    // The document's undo history; it goes with the window.
    DocumentHistory& History() const { return *m_history; }

    // Place and size of every document window inside the main window.
    static constexpr int kLeft = 0;
    static constexpr int kTop = 0;
    static constexpr int kWidth = 1095;
    static constexpr int kHeight = 650;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<CProgramDoc> m_doc;
    // The size before the workspace cut the window, and the size the cut gave.
    QSize m_uncut;
    QSize m_cut;
    CProgramView* m_view = nullptr;
    DocumentHistory* m_history = nullptr;
};
