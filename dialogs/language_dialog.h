#pragma once
// CLanguageDlg: the choice of the interface language (dialog 201, caption
// "Language"): the radio buttons "English" (1076) and "Chinese" (1077) in one
// group, OK (1) and Cancel (2). It opens with the language in use chosen.
// F1 on either button asks for the help of the Language command (32799).

#include <QDialog>

class QRadioButton;

class CLanguageDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 201;
    static constexpr int kEnglishId = 1076;
    static constexpr int kChineseId = 1077;
    static constexpr int kCommandId = 32799;

    // chinese: the language in use, chosen when the dialog opens.
    explicit CLanguageDlg(bool chinese = false, QWidget* parent = nullptr);

    // The chosen language: 0 English, 1 Chinese; -1 before the dialog was
    // built. OK reads the buttons into it.
    int Choice() const { return m_choice; }

private:
    void OnOK();

    QRadioButton* m_english = nullptr;
    QRadioButton* m_chinese = nullptr;
    int m_choice = -1;
};
