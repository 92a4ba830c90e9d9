#include "ui/file_dialogs.h"

#include "ui/user_store.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

FileDialogs::Handler& TheHandler() {
    static FileDialogs::Handler handler;
    return handler;
}

QString RunDialog(QWidget* parent, const FileDialogRequest& request, QString* selectedFilter) {
    const FileDialogs::Opening opening = FileDialogs::OpeningOf(request);
    QFileDialog dialog(parent, request.caption, opening.folder, request.filters);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The dialog adds the extension itself, so that it asks before replacing
    // the file that will really be written.
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!opening.name.isEmpty()) {
        dialog.selectFile(opening.name);
    }
    if (selectedFilter != nullptr && !selectedFilter->isEmpty()) {
        dialog.selectNameFilter(*selectedFilter);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    if (selectedFilter != nullptr) {
        *selectedFilter = dialog.selectedNameFilter();
    }
    return dialog.selectedFiles().value(0);
}

} // namespace

FileDialogs::Opening FileDialogs::OpeningOf(const FileDialogRequest& request) {
    Opening opening;
    QString folder = request.start;
    if (request.suggestsName) {
        const QFileInfo file(request.start);
        opening.name = file.fileName();
        folder = file.path();
    }
    // A folder that is gone (or was never made, as a fresh user's documents
    // folder may be) opens at the nearest folder above it that exists.
    if (folder.isEmpty() || QDir::isRelativePath(folder)) {
        opening.folder = QDir::homePath();
        return opening;
    }
    folder = QDir::cleanPath(folder);
    while (!QFileInfo(folder).isDir() && QFileInfo(folder).path() != folder) {
        folder = QFileInfo(folder).path();
    }
    opening.folder = QFileInfo(folder).isDir() ? folder : QDir::homePath();
    return opening;
}

QString FileDialogs::StartPath(const std::string& appName, const QString& name) {
    if (!name.isEmpty() && QFileInfo(name).isAbsolute()) {
        return name;
    }
    const QString folder = UserStore::ReadFileFolder(appName);
    return name.isEmpty() ? folder : QDir(folder).filePath(name);
}

void FileDialogs::KeepFolderOf(const std::string& appName, const QString& path) {
    if (!path.isEmpty()) {
        UserStore::WriteFileFolder(appName, path);
    }
}

QString FileDialogs::AskOpen(QWidget* parent, const std::string& appName, const QString& caption,
                             const QString& filters, const QString& start) {
    FileDialogRequest request;
    request.caption = caption;
    request.start = StartPath(appName, start);
    request.filters = filters;
    return Ask(parent, request, nullptr);
}

QString FileDialogs::AskSave(QWidget* parent, const std::string& appName, const QString& caption,
                             const QString& start,
                             const QString& filters, QString* selectedFilter,
                             const QString& defaultSuffix) {
    FileDialogRequest request;
    request.save = true;
    request.caption = caption;
    request.start = StartPath(appName, start);
    request.suggestsName = !start.isEmpty();
    request.filters = filters;
    request.defaultSuffix = defaultSuffix;
    return Ask(parent, request, selectedFilter);
}

QString FileDialogs::Ask(QWidget* parent, const FileDialogRequest& request,
                         QString* selectedFilter) {
    return TheHandler() ? TheHandler()(request, selectedFilter)
                        : RunDialog(parent, request, selectedFilter);
}

void FileDialogs::SetHandler(Handler handler) {
    TheHandler() = std::move(handler);
}
