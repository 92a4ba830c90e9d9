#pragma once
// The message box for a report that can run long: its text above a list of
// lines (one a row, nothing left out) in a scrollable, selectable area, a
// Copy button that puts the text and the whole list on the clipboard, and
// the box's answer buttons. The message service shows it for a message with
// lines (ui/message_service.h).

#include <QDialog>
#include <QDialogButtonBox>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

class ListMessageBox : public QDialog {
    Q_OBJECT
public:
    // exec() returns the standard button that ended the box, 0 for Escape
    // or the close box.
    ListMessageBox(const QPixmap& icon, const QString& caption, const QString& text,
                   const QStringList& lines, QDialogButtonBox::StandardButtons buttons,
                   QWidget* parent = nullptr);

    QPlainTextEdit* List() const { return m_list; }
    QPushButton* CopyButton() const { return m_copy; }
    // The text and the list as Copy puts them on the clipboard.
    QString Report() const;

private:
    QString m_text;
    QStringList m_lines;
    QPlainTextEdit* m_list;
    QPushButton* m_copy;
};
