#pragma once
// The list of recently used files at the end of the File menu: the files
// last opened or saved, the latest first, at most kMaxEntries of them, kept
// in the per-user store ("Recent File List") from one run to the next. The
// entries read "&1 name" to "&4 name" and stand in the File menus before
// Exit, after a separator of their own; the full path is the item's status
// tip. Choosing an entry hands its path on; a file that is gone is taken off
// the list.

#include <QObject>
#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

class QAction;
class QMenu;

class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxEntries = 4;

    // Reads the list kept under the current AppName.
    // appName: the program's AppName, under which the per-user store keeps
    // the list.
    explicit RecentFiles(std::string appName, QObject* parent = nullptr);

    const QStringList& Paths() const { return m_paths; }
    // Puts path (made absolute) at the top; it leaves its old place, and the
    // oldest entry beyond kMaxEntries drops off. The list is kept at once.
    void Add(const QString& path);
    void Remove(const QString& path);

    // Puts the entries into menu before the item `before` (Exit), in place of
    // the ones an earlier call put there; enabled false greys them out.
    void FillMenu(QMenu& menu, QAction* before, bool enabled);

    // The text of entry index (0-based) for path.
    static QString EntryText(int index, const QString& path);

signals:
    void chosen(const QString& path);

private:
    void Keep();

    std::string m_appName;
    QStringList m_paths;
    // The items each menu holds now, its separator first.
    std::map<QMenu*, std::vector<QAction*>> m_items;
};
