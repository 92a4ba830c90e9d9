#pragma once
// CDtmfDlg: the DTMF dialog, a tab control with the pages "Encode", "Decode"
// and "CallList" and no OK or Cancel button. Each page loads the image when
// it becomes visible and stores it when it is hidden: switching tabs and the
// close box save what the user changed (see dtmf_page.h). The pages are made
// anew at every opening and destroyed when the dialog ends.
//
// The main window keeps one object and runs exec() for each request.

#include <QDialog>

class CDtmfCallListPage;
class CDtmfDecodePage;
class CDtmfEncodePage;
class QTabWidget;
class RadioImage;

class CDtmfDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 141;

    explicit CDtmfDlg(QWidget* parent = nullptr);
    ~CDtmfDlg() override;

    // Runs the dialog on the active document's image; with no document open
    // it does nothing and returns Rejected.
    int exec() override;
    // Makes the pages on image, shows the Encode page and runs the dialog
    // modally; the pages are destroyed when it ends.
    int DoModal(RadioImage& image);

    // While the dialog runs (null otherwise).
    QTabWidget* Tabs() const { return m_tabs; }
    CDtmfEncodePage* EncodePage() const { return m_encode; }
    CDtmfDecodePage* DecodePage() const { return m_decode; }
    CDtmfCallListPage* CallListPage() const { return m_callList; }

protected:
    // The close box hides the pages (the visible one stores), then closes.
    void closeEvent(QCloseEvent* event) override;

private:
    void OnInitDialog(RadioImage& image);
    void DestroyPages();

    QTabWidget* m_tabs = nullptr;
    CDtmfEncodePage* m_encode = nullptr;
    CDtmfDecodePage* m_decode = nullptr;
    CDtmfCallListPage* m_callList = nullptr;
};
