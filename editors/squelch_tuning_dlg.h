#pragma once
// CSquelchTuningDlg: the Squelch Tuning dialog. Four drop-down lists show the
// squelch tuning levels of the image (V wide, V narrow, U wide, U narrow) as
// "-55" .. "54". OK stores the lists into the image; Cancel stores nothing,
// but levels already fetched by Read stay in the image. Read and Write move
// just these four bytes to and from the radio on g_portName, inside the
// button handler, with their messages through the message service.
//
// Built anew for each request by the main window:
//     CSquelchTuningDlg dialog(mainWindow);
//     dialog.DoModal(image);     // or dialog.exec() on the active document

#include <QDialog>

class QComboBox;
class QPushButton;
class RadioImage;

class CSquelchTuningDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSquelchTuningDlg(QWidget* parent = nullptr);

    // Fills the lists from image and runs the dialog modally on it.
    int DoModal(RadioImage& image);
    // Runs on the active document's image; with no document open it does
    // nothing and returns Rejected.
    int exec() override;

    void accept() override;

    // The squelch read and write of the Read and Write buttons.
    void OnRead();
    void OnWrite();

    QComboBox* LevelList(int level) const { return m_lists[level]; }
    QPushButton* ReadButton() const { return m_read; }
    QPushButton* WriteButton() const { return m_write; }

private:
    void ShowLevels();
    void StoreLevels(RadioImage& image) const;

    QComboBox* m_lists[4];
    QPushButton* m_read;
    QPushButton* m_write;
    RadioImage* m_image = nullptr;
};
