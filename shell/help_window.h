#pragma once
// The program's help viewer. CHelpWindow shows one compiled help file
// (enHelp.qch, chHelp.qch beside the program) through Qt Help: contents,
// index and full-text search at the side, the page in a browser with back
// and forward. HelpViewer answers the help requests of the program: it opens
// the window of the requested file, made at the file's first request, at the
// default topic or at the topic of a context number (help_ui/help_topics.h). A
// help file that does not exist opens nothing and shows nothing. Help asked
// for while a modal dialog is open opens above that dialog and takes mouse
// and keys while the dialog stays open; Escape closes the help window.

#include "ui/help_service.h"

#include <QMainWindow>
#include <QString>
#include <QUrl>
#include <map>
#include <memory>
#include <string>

// The topic of a context asked for from window: for the main window a
// command's own (its row of the command table), else the help topic table's;
// null when neither names it.
const char* FindHelpTopic(int window, int context);
// The topic a request opens: its own; else the topic of the asking dialog
// itself; else the contents.
const char* HelpTopicFor(int window, int context);

class QHelpEngine;
class QTabWidget;
class QTemporaryDir;
class QTextBrowser;

class CHelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // Opens the help file at path; IsValid tells whether it could.
    explicit CHelpWindow(const QString& path);
    ~CHelpWindow() override;

    bool IsValid() const { return m_engine != nullptr; }
    // Shows the window at the default topic or at the topic of a context
    // asked for from the window with the id asking (HelpTopicFor).
    void ShowTopic(HelpCommand command, int asking, int context);
    // Makes the window one of dialog's own (null: a window of its own): it
    // stays above the dialog and the dialog's modality does not block it.
    // When the dialog closes, the window goes on as a window of its own.
    void StayAbove(QWidget* dialog);

    QHelpEngine* Engine() const { return m_engine.get(); }
    QTextBrowser* Browser() const { return m_browser; }
    // Contents, index and search.
    QTabWidget* SideTabs() const { return m_tabs; }
    // The address of a page of the file ("page.html#anchor").
    QUrl PageUrl(const QString& page) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Load(const QString& path);
    void BuildSideTabs();

    QString m_namespace;
    // The engine keeps its register and its search index in a collection
    // of its own in this scratch folder: the program's folder may not be
    // written. The engine goes first, then the folder.
    std::unique_ptr<QTemporaryDir> m_collectionDir;
    std::unique_ptr<QHelpEngine> m_engine;
    QTextBrowser* m_browser = nullptr;
    QTabWidget* m_tabs = nullptr;
};

class HelpViewer {
public:
    // appDir: the program directory (with a trailing separator), where the
    // help files are.
    explicit HelpViewer(std::string appDir);
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // A help request for file, a name in the program directory (appDir),
    // from the window owner (its dialog id tells where a context lands);
    // false, showing nothing, when the file is missing or unreadable.
    bool Show(const QWidget* owner, HelpCommand command, int data, const std::string& file);
    // The window of file; null before its first request.
    CHelpWindow* Window(const std::string& file) const;

private:
    std::string m_appDir;
    std::map<std::string, std::unique_ptr<CHelpWindow>> m_windows;
};
