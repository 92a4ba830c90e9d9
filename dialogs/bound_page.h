#pragma once
// A tab page of a settings dialog bound to a field table: it loads its
// controls from the image when it becomes visible, and stores what its
// controls hold, without normalising, when it is hidden (by its tab control
// or with its dialog); it then loads afresh when it is shown again. A page
// told not to store with its dialog stores only when it is hidden itself
// (its tab control, or the dialog's close box hiding it), not when Escape
// ends the dialog or a containing page is hidden; shown again, it keeps what
// its controls hold. A page that never became visible stores nothing.
// Minimising and restoring the window does neither.

#include "model/fields/field_table.h"

#include <QWidget>

#include <functional>

class BoundPage : public QWidget {
    Q_OBJECT
public:
    BoundPage(const fields::FieldTable& table, RadioImage& image, QWidget* parent = nullptr);

    // Runs before the controls are read for a store (commits an in-place
    // edit).
    void SetBeforeStore(std::function<void()> hook) { m_beforeStore = std::move(hook); }

    // False: hiding the dialog (Escape) or a containing page does not store.
    void SetStoresWithDialog(bool stores) { m_storesWithDialog = stores; }

    // Loads the controls now, visible or not (the page in view inside a
    // containing page when the dialog opens).
    void LoadNow();
    // Stores when loaded since the last store (the page in view when its
    // dialog ends).
    void StorePending();

    const fields::FieldTable& Table() const { return m_table; }

    // Reads the image into the controls.
    virtual void Load();
    // Writes the controls into the image.
    virtual void Store();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    const fields::FieldTable& m_table;
    RadioImage& m_image;
    std::function<void()> m_beforeStore;
    // Loaded since the last store: only such a page stores.
    bool m_loaded = false;
    bool m_storesWithDialog = true;
};
