#pragma once
// CProductInfoDlg: the Product Information dialog (group "product",
// model/fields/product_fields.h). It shows the model list of the settings
// file with the model of the document and the four band limits; OK stores the
// chosen model and, when the limits are in order, the band code into the
// image. One object is kept by the main window and run again at each request.

#include "dialogs/bound_dialog.h"

struct ProgramContext;
class QComboBox;
class QLineEdit;

class CProductInfoDlg : public CBoundDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 135;

    // context: the program's band plan (shown, and set by OK) and settings
    // file (the model list).
    explicit CProductInfoDlg(ProgramContext& context, QWidget* parent = nullptr);

    QComboBox* ModelCombo() const { return m_model; }
    QLineEdit* BandEdit(int id) const;

protected:
    // The model list holds the model names of the settings file.
    void FillLists() override;
    // Stores the model index, then checks and stores the band limits; OK
    // closes the dialog only when the limits are in order.
    bool StoreOnOk(RadioImage& image) override;

private:
    // The stored "Type" choice replaces the document's model; the band
    // edits show the limits of the band plan.
    void AfterLoad();

    ProgramContext& m_context;
    QComboBox* m_model;
    QLineEdit* m_band[4];
};
