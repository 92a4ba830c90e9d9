#pragma once
// CDtmfDlg: the DTMF dialog (group "dtmf"), a tab control with the pages
// "Encode", "Decode" and "CallList" and no OK or Cancel button. Each page
// loads the image when it becomes visible and stores it when it is hidden:
// switching tabs, the close box and Escape save what the user changed (see
// bound_dialog.h); Tab moves between the controls. The pages are made anew
// at every opening and destroyed when the dialog ends.
//
// The main window keeps one object and runs DoModal for each request.

#include "dialogs/bound_dialog.h"

class CDtmfCallListPage;
class CDtmfDecodePage;
class CDtmfEncodePage;
class QTabWidget;

class CDtmfDlg : public CBoundDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 141;
    // The tab control of the three pages.
    static constexpr int kTabId = 1036;

    // bChinese: the window's language flag (items of the lists in Chinese).
    explicit CDtmfDlg(QWidget* parent = nullptr, bool bChinese = false);

    // While the dialog runs (null otherwise).
    QTabWidget* Tabs() const { return m_tabs; }
    CDtmfEncodePage* EncodePage() const { return m_encode; }
    CDtmfDecodePage* DecodePage() const { return m_decode; }
    CDtmfCallListPage* CallListPage() const { return m_callList; }

protected:
    // The tab control and its pages, the Encode page selected.
    void CreatePages() override;
    void DestroyPages() override;

private:
    QTabWidget* m_tabs = nullptr;
    CDtmfEncodePage* m_encode = nullptr;
    CDtmfDecodePage* m_decode = nullptr;
    CDtmfCallListPage* m_callList = nullptr;
};
