#pragma once
// File > Radio History... and the choice of File > Compare With...: the
// reads kept in the radio history, newest first, with the time each
// completed (local time), the radio's band and its channels in use. Open
// (or Compare) takes the selected read; Compare With also offers any other
// .dat file.

#include <QDialog>
#include <QString>
#include <string>

class QLabel;
class QPushButton;
class QTableWidget;

class CRadioHistoryDlg : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Open, Compare };

    // The help contexts of the dialog and its controls.
    static constexpr int kDialogId = 206;
    static constexpr int kTableId = 1300;
    static constexpr int kFileButtonId = 1301;

    // appName: the program's AppName, under which the per-user store keeps
    // the folder that file choices open in.
    CRadioHistoryDlg(const QString& folder, Purpose purpose, std::string appName,
                     QWidget* parent = nullptr);

    // The file chosen when the dialog was accepted.
    const QString& ChosenPath() const { return m_chosen; }

    QTableWidget* Table() const { return m_table; }
    // Open or Compare: enabled while a read is selected.
    QPushButton* ChooseButton() const { return m_choose; }
    // "Other File...": Compare only; null for Open.
    QPushButton* FileButton() const { return m_file; }
    QLabel* EmptyNote() const { return m_empty; }

private:
    void chooseSelected();
    void chooseFile();

    QTableWidget* m_table;
    QLabel* m_empty;
    QPushButton* m_choose;
    QPushButton* m_file = nullptr;
    std::string m_appName;
    QString m_chosen;
};
