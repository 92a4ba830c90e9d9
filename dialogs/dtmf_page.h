#pragma once
// CDtmfPage: what the three pages of the DTMF dialog share. A page binds its
// controls to one page of fields (model/fields/dtmf_fields.h): it loads them
// from the image each time it becomes visible and stores them each time it is
// hidden itself (switching tabs, or the dialog's close box hiding it). A page
// that is only hidden along with its dialog (Escape) stores nothing, nor does
// a page that never became visible.

#include "dialogs/bound_page.h"

#include <functional>

class DialogKeyHook;
class QKeyEvent;

class CDtmfPage : public BoundPage {
    Q_OBJECT
public:
    CDtmfPage(const fields::FieldPage& fields, RadioImage& image, QWidget* parent);

    const fields::FieldPage& Fields() const { return m_fields; }

protected:
    // The page's key filter and F1 help, over the page and its controls.
    DialogKeyHook* Keys() const { return m_keys; }
    void InstallKeyFilter(std::function<bool(QWidget*, const QKeyEvent&)> filter);

private:
    const fields::FieldPage& m_fields;
    DialogKeyHook* m_keys = nullptr;
};
