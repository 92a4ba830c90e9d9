#pragma once
// CProductInfoDlg: the Product Information dialog. It shows the model list of
// the settings file with the model of the active document and the four band
// limits; OK stores the chosen model and the band code into the image.
// One object is kept by the main window and shown again at each request.

#include <QDialog>

class QComboBox;
class QLineEdit;

// Control ids (objectName of each control).
inline constexpr int IDC_MODEL_LIST = 1013;
inline constexpr int IDC_BAND1_LOW = 1113;
inline constexpr int IDC_BAND1_HIGH = 1114;
inline constexpr int IDC_BAND2_LOW = 1115;
inline constexpr int IDC_BAND2_HIGH = 1116;

class CProductInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CProductInfoDlg(QWidget* parent = nullptr);

    // Loads the controls and runs the dialog modally.
    int exec() override;

    // Fills the controls from the settings file, the document, the band
    // limits and the stored "Type" choice.
    void OnInitDialog();
    // Stores the model index, then checks and stores the band limits;
    // closes the dialog only when the limits are in order.
    void OnOK();

    QComboBox* ModelCombo() const { return m_model; }
    QLineEdit* BandEdit(int id) const;

private:
    QComboBox* m_model;
    QLineEdit* m_band[4];
};
