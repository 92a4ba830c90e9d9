#pragma once
// Every file dialog of the program goes through this one service: it opens
// in the folder last used, which the per-user store keeps across runs under
// the program's AppName (the user's documents folder at first); the command
// that asked keeps the folder of the file it then uses (KeepFolderOf). Tests
// answer the dialogs through a handler.

#include <QString>
#include <functional>
#include <string>

class QWidget;

struct FileDialogRequest {
    bool save = false; // a file to write, else one to open
    QString caption;
    // Where the dialog opens: a folder, or with suggestsName a file in the
    // folder whose name the dialog shows first.
    QString start;
    bool suggestsName = false;
    QString filters;
    // Save only: the extension the dialog adds to a name given without one.
    QString defaultSuffix;
};

class FileDialogs {
public:
    // Answers a request instead of the dialog: the path chosen, empty for
    // Cancel; selectedFilter (may be null) is the filter the answer used.
    using Handler = std::function<QString(const FileDialogRequest&, QString* selectedFilter)>;

    // The folder a dialog opens in and the name it shows first.
    struct Opening {
        QString folder;
        QString name;
    };
    // Where request opens: its folder, or the nearest folder above it that
    // exists (the home folder when none does), with the suggested name, if
    // any, else an empty name.
    static Opening OpeningOf(const FileDialogRequest& request);

    // The folder last used; with name, that file in it (an absolute name
    // stands as it is).
    static QString StartPath(const std::string& appName, const QString& name = {});
    // The folder of path becomes the one last used; an empty path is none.
    static void KeepFolderOf(const std::string& appName, const QString& path);

    // The dialogs over parent, opened at StartPath(start); the path chosen,
    // empty for Cancel. AskSave suggests the name start ends in, if any
    // (AskOpen none: its start is a folder). selectedFilter (may be null) is the filter chosen,
    // and the one shown first when it names one; defaultSuffix is added to a
    // name given without an extension.
    static QString AskOpen(QWidget* parent, const std::string& appName, const QString& caption,
                           const QString& filters, const QString& start = {});
    static QString AskSave(QWidget* parent, const std::string& appName, const QString& caption,
                           const QString& start,
                           const QString& filters, QString* selectedFilter = nullptr,
                           const QString& defaultSuffix = {});

    static void SetHandler(Handler handler);

private:
    static QString Ask(QWidget* parent, const FileDialogRequest& request,
                       QString* selectedFilter);
};
