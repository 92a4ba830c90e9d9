#pragma once
// CDtmfPage: what the three pages of the DTMF dialog share: the page of
// fields (group "dtmf", model/fields/dtmf_fields.h) whose controls it lays
// out, and its key filter with F1 help. The dialog binds the page to its
// fields: it loads each time it becomes visible and stores each time it is
// hidden itself (switching tabs, or the dialog's close box hiding it).

#include "model/fields/field_table.h"

#include <QWidget>

#include <functional>

class QKeyEvent;

class CDtmfPage : public QWidget {
    Q_OBJECT
public:
    CDtmfPage(const fields::FieldPage& fields, QWidget* parent);

    const fields::FieldPage& Fields() const { return m_fields; }

protected:
    // The page's key filter and F1 help, over the page and its controls.
    void InstallKeyFilter(std::function<bool(QWidget*, const QKeyEvent&)> filter);

private:
    const fields::FieldPage& m_fields;
};
