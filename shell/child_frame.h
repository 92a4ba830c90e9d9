#pragma once
// CChildFrame: the window of one document inside the main window. It owns the
// document's session (the document, its undo history and its transfers) and
// its channel view. Its caption is the document's title ("Channel
// Information" for a new document, the file's name once it is opened or
// saved) with Qt's modified marker while the document has unsaved changes.
// A close request hides the window instead of closing it;
// the document goes away only when the window is destroyed (File New, or the
// end of the program), and with it its session. Neither happens while its
// transfer runs. Every change the view reports becomes a step of the
// session's history.

#include <QMdiSubWindow>
#include <QSize>
#include <QString>
#include <memory>

class CProgramDoc;
class CProgramView;
class DocumentHistory;
class DocumentSession;
struct ProgramContext;

// text as a window title that shows it literally: Qt's placeholder "[*]"
// in it is doubled.
QString LiteralWindowTitle(QString text);

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // Takes ownership of the document and builds its view and session, both
    // working with the program's context (which outlives the window).
    CChildFrame(std::unique_ptr<CProgramDoc> doc, ProgramContext& context,
                QWidget* parent = nullptr);
    ~CChildFrame() override;

    DocumentSession& Session() const { return *m_session; }
    CProgramDoc& Document() const;

    // The document's title, as the caption and the questions about unsaved
    // changes name the document.
    QString Title() const;
    // The title with "*" after it while the document has unsaved changes, as
    // the caption shows it.
    QString ShownTitle() const;
    // Sets the caption from the document's title and modified flag (the
    // window follows its history by itself; saving changes the title).
    void UpdateCaption();

    // Keeps the window inside a workspace of the given size: a window larger
    // than it is cut to it; a window that was cut grows back, up to the size
    // it had before, when the workspace grows. A maximised window, and a
    // window the user resized within the workspace, keep their size.
    void FitInto(const QSize& workspace);
    CProgramView& View() const { return *m_view; }
    // The document's undo history; it goes with the window.
    DocumentHistory& History() const;

    // Place and size of every document window inside the main window.
    static constexpr int kLeft = 0;
    static constexpr int kTop = 0;
    static constexpr int kWidth = 1095;
    static constexpr int kHeight = 650;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The size before the workspace cut the window, and the size the cut gave.
    QSize m_uncut;
    QSize m_cut;
    CProgramView* m_view = nullptr;
    std::unique_ptr<DocumentSession> m_session;
};
