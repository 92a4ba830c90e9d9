#include "shell/recent_files.h"

#include "shell/command_ids.h"
#include "ui/user_store.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

RecentFiles::RecentFiles(std::string appName, QObject* parent)
    : QObject(parent), m_appName(std::move(appName)),
      m_paths(UserStore::ReadRecentFiles(m_appName)) {
    m_paths.removeAll(QString());
    m_paths.removeDuplicates();
    while (m_paths.size() > kMaxEntries) {
        m_paths.removeLast();
    }
}

void RecentFiles::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    while (m_paths.size() > kMaxEntries) {
        m_paths.removeLast();
    }
    Keep();
}

void RecentFiles::Remove(const QString& path) {
    if (m_paths.removeAll(path) > 0) {
        Keep();
    }
}

void RecentFiles::Keep() {
    UserStore::WriteRecentFiles(m_appName, m_paths);
}

QString RecentFiles::EntryText(int index, const QString& path) {
    // An ampersand of the name is shown as it is, not taken as a mnemonic.
    QString name = QFileInfo(path).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

void RecentFiles::FillMenu(QMenu& menu, QAction* before, bool enabled) {
    std::vector<QAction*>& items = m_items[&menu];
    for (QAction* item : items) {
        delete item;
    }
    items.clear();
    if (m_paths.isEmpty()) {
        return;
    }
    auto* separator = new QAction(&menu);
    separator->setSeparator(true);
    items.push_back(separator);
    for (int i = 0; i < m_paths.size(); ++i) {
        const QString path = m_paths[i];
        auto* item = new QAction(EntryText(i, path), &menu);
        item->setStatusTip(path);
        // F1 on the item opens the help of File Open.
        item->setData(ID_FILE_OPEN);
        item->setEnabled(enabled);
        connect(item, &QAction::triggered, this, [this, path] { emit chosen(path); });
        items.push_back(item);
    }
    // The separator before Exit stays; the entries come before it.
    const QList<QAction*> actions = menu.actions();
    const qsizetype exitAt = actions.indexOf(before);
    QAction* anchor =
        exitAt > 0 && actions[exitAt - 1]->isSeparator() ? actions[exitAt - 1] : before;
    menu.insertActions(anchor, QList<QAction*>(items.begin(), items.end()));
}
