#pragma once
// CBoundDialog: a settings dialog bound to one group of the registry
// (model/fields/settings_groups.h). A subclass lays out the controls and
// binds each page of the group to the widget that holds its controls (the
// dialog itself for a one-page group); this class moves the values by the
// group's store policy, with the image the caller gives at each opening:
//
// - OnOk: opening refills the lists and loads every page; OK stores every
//   page and closes; Cancel stores nothing.
// - OnPageHide: a page loads its controls from the image when it becomes
//   visible, and stores what they hold, without normalising, when it is
//   hidden itself (its tab control, or the close box, which hides every
//   page); it then loads afresh when shown again. Escape closes the dialog
//   as the close box does. Hidden along with the dialog (ended by its
//   caller) or a containing page it stores nothing and, shown again, keeps
//   what its controls hold. A page that never became visible stores
//   nothing; minimising and restoring the window does neither. A page marked
//   storesAtEnd also stores, when loaded, as the dialog ends.
//
// Pages made anew at each opening are made in CreatePages and destroyed in
// DestroyPages, after the dialog ended.

#include "model/fields/settings_groups.h"
#include "ui/field_binding.h"
#include "ui/image_dialog.h"

#include <QPointer>

#include <functional>
#include <string_view>
#include <vector>

class QDialogButtonBox;

// What a bound page does beyond its fields: after its controls were loaded,
// and before they are read for a store (commit an in-place edit).
struct PageHooks {
    std::function<void()> afterLoad = {};
    std::function<void()> beforeStore = {};
};

class CBoundDialog : public ImageDialog {
    Q_OBJECT
public:
    // bChinese: the window's language flag; the lists and buttons show their
    // items in Chinese when it is set, else in English.
    CBoundDialog(const fields::SettingsGroup& group, QWidget* parent, bool bChinese);

    // Opens on image, runs modally and ends the opening; the image is edited
    // by the group's policy. Returns Accepted or Rejected.
    int DoModal(RadioImage& image) override;
    // Runs the current opening; outside one there is no image to edit, and
    // it returns Rejected at once.
    int exec() override;

    // Opens on image without running: makes the pages of the opening, refills
    // the lists and, for an OnOk group, loads every page.
    void OnInitDialog(RadioImage& image);
    // Refills the lists and loads every page of an OnOk group from the image.
    void LoadControls();
    // Stores into the image by StoreOnOk and closes with Accepted when that
    // succeeds; outside an opening it closes with Rejected.
    void OnOK();

    const fields::SettingsGroup& Group() const { return m_group; }
    bool bChinese() const { return m_bChinese; }
    // The ids of the group's controls (dialogs/field_control_ids.h).
    const binding::ControlIdTable& ControlIds() const;
    // The widget bound to the page called name; null when none is.
    QWidget* PageWidget(std::string_view name) const;

protected:
    // Binds the page of the group called name to the widget holding its
    // controls. A name the group does not have throws std::out_of_range.
    void BindPage(QWidget* widget, std::string_view name, PageHooks hooks = {});
    // Loads a bound page now, visible or not (a page in view inside a
    // containing page that is not).
    void LoadPageNow(QWidget* widget);

    virtual void CreatePages() {}
    virtual void DestroyPages() {}
    // Refills every List field of the bound pages (items as bChinese says).
    virtual void FillLists();

    // The image of the current opening; null between openings.
    RadioImage* Image() const { return m_image; }
    // Reads every bound page and stores it into image.
    void StoreControls(RadioImage& image);
    // OK's store: every bound page (StoreControls). False keeps the dialog
    // open.
    virtual bool StoreOnOk(RadioImage& image);
    // The OK (id 1) and Cancel (id 2) buttons, connected.
    QDialogButtonBox* CreateOkCancel();

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QPointer<QWidget> widget;
        const fields::FieldPage* page;
        PageHooks hooks;
        // Loaded since the last store: only such a page stores on hide.
        bool loaded = false;
    };

    bool StoresOnHide() const;
    Binding* BindingOf(const QObject* widget);
    void Load(Binding& binding);
    void Store(Binding& binding, RadioImage& image);
    void StorePending(Binding& binding);

    const fields::SettingsGroup& m_group;
    bool m_bChinese;
    RadioImage* m_image = nullptr;
    std::vector<Binding> m_bindings;
};
