#pragma once
// File > Compare With...: the differences between the active document and
// another image as a list: where (a channel cell, a settings field by its
// label, or a range of addresses), what the document holds and what the
// other file holds.

#include "model/image_compare.h"

#include <QDialog>
#include <vector>

class QLabel;
class QTableWidget;

class CCompareDlg : public QDialog {
    Q_OBJECT
public:
    // The help contexts of the dialog and its list.
    static constexpr int kDialogId = 207;
    static constexpr int kTableId = 1310;

    // otherName heads the other file's column.
    CCompareDlg(const std::vector<compare::Difference>& differences, const QString& otherName,
                QWidget* parent = nullptr);

    QTableWidget* Table() const { return m_table; }
    QLabel* Summary() const { return m_summary; }

    // Where a difference lies, in the language in use.
    static QString PlaceText(const compare::Difference& difference);

private:
    QTableWidget* m_table;
    QLabel* m_summary;
};
