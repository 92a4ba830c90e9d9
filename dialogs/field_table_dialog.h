#pragma once
// CFieldTableDlg: a modal settings dialog over one field table that loads
// when it opens and stores on OK (Cancel stores nothing). Opening refills the
// table's lists in the language in use and loads every field; OK reads every
// control and stores it. Subclasses lay out the controls.

#include "model/fields/field_table.h"

#include <QDialog>

class QDialogButtonBox;
class RadioImage;

class CFieldTableDlg : public QDialog {
    Q_OBJECT
public:
    CFieldTableDlg(const fields::FieldTable& table, QWidget* parent);

    // Runs the dialog on the active document's image; with no document open
    // it does nothing and returns Rejected.
    int exec() override;
    // Loads image into the controls and runs the dialog modally; OK stores
    // the controls into image. Returns Accepted or Rejected.
    int DoModal(RadioImage& image);

    // Refills the lists and loads the image into the controls.
    void OnInitDialog();
    // Stores every control into the image and closes with Accepted.
    virtual void OnOK();

protected:
    // The OK (id 1) and Cancel (id 2) buttons, connected.
    QDialogButtonBox* CreateOkCancel();
    // The image of the current opening; null between openings.
    RadioImage* Image() const { return m_image; }
    // Reads every control and stores it into image.
    void StoreControls(RadioImage& image) const;

private:
    const fields::FieldTable& m_table;
    RadioImage* m_image = nullptr;
};
