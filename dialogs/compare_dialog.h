#pragma once
// File > Compare With...: the differences between the active document and
// another image as a list: where (a channel cell by its grid row and column
// title, a settings field by its dialog and label, then the other bytes by
// their addresses), what the document holds and what the other file holds.
// A filter box narrows the list, Copy puts the shown rows on the clipboard,
// and a double-click on a channel cell or a settings field asks to show it in
// the document. The dialog is resizable and keeps its size in the per-user
// store.

#include "model/image_compare.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class CCompareDlg : public QDialog {
    Q_OBJECT
public:
    // The help contexts of the dialog and its list.
    static constexpr int kDialogId = 207;
    static constexpr int kTableId = 1310;

    // The words for where a difference lies, as the window names its
    // places (the frame knows the dialogs' titles).
    using PlaceText = std::function<QString(const compare::Difference&)>;

    // otherName heads the other file's column; the dialog's size is kept in
    // the per-user store under appName ([Setup] "AppName").
    CCompareDlg(const std::vector<compare::Difference>& differences, const QString& otherName,
                const PlaceText& placeText, std::string appName, QWidget* parent = nullptr);

    QTableWidget* Table() const { return m_table; }
    QLabel* Summary() const { return m_summary; }
    QLineEdit* Filter() const { return m_filter; }
    QPushButton* CopyButton() const { return m_copy; }

    void done(int result) override;

signals:
    // A channel cell or a settings field was double-clicked.
    void showRequested(const compare::Difference& difference);

private:
    void OnDoubleClicked(int row);

    std::vector<compare::Difference> m_differences;
    std::string m_appName;
    QTableWidget* m_table;
    QLabel* m_summary;
    QLineEdit* m_filter;
    QPushButton* m_copy;
};
