#pragma once
// CAboutDlg: the About box. Its texts come from the language section of the
// settings file ("About Title", "Version", "Copyrights", "Copyrights Owner";
// empty when missing) and its picture from "title.ico" in the program
// directory, so that a dealer can brand it without rebuilding the program.
// Controls carry their ids as object names: 1096 icon, 1098 version,
// 1099 copyrights, 1100 owner, 1 OK.

#include <QDialog>

class QLabel;

struct ProgramContext;

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    // The texts come from the settings file of context, the icon from its
    // program directory.
    explicit CAboutDlg(const ProgramContext& context, QWidget* parent = nullptr);

private:
    QLabel* m_icon = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_copyrights = nullptr;
    QLabel* m_owner = nullptr;
};
