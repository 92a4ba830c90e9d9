#pragma once
// CTwoToneDlg: the 2-Tone dialog. An outer tab control holds the encode page
// (timing, short beep, the grid of 32 tone pairs) and a page with an inner
// tab control of the eight decode sets "2-Tone1" .. "2-Tone8". There is no
// OK or Cancel: each page loads from the image when it becomes visible and
// stores into it when it is hidden, by its tab control or when the dialog
// closes. Escape ends the dialog without storing the encode page; the decode
// set in view stores all the same. The pages are made anew at each opening. On every page only
// digits, the keypad's decimal point, Backspace, Delete and the arrows reach
// the controls (not with Shift); F1 asks for help on the focused control's
// id.
//
// The main window keeps one object and opens it for each request:
//     dialog.DoModal(image);     // or dialog.exec() on the active document

#include <QDialog>

class BoundPage;
class CellEditGrid;
class QTabWidget;
class RadioImage;

class CTwoToneDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTwoToneDlg(QWidget* parent = nullptr);

    // Makes the pages for image and runs the dialog modally on it.
    int DoModal(RadioImage& image);
    // Runs on the active document's image; with no document open it does
    // nothing and returns Rejected.
    int exec() override;

    // The controls of the current opening (null before the first one).
    QTabWidget* Tabs() const { return m_tabs; }
    QTabWidget* DecodeTabs() const { return m_decodeTabs; }
    BoundPage* EncodePage() const { return m_encode; }
    // Decode set 1..8.
    BoundPage* DecodePage(int set) const;
    CellEditGrid* EncodeGrid() const { return m_grid; }

protected:
    // The close box hides the encode page itself, so that it stores.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildPages(RadioImage& image);
    BoundPage* BuildEncodePage(RadioImage& image);
    BoundPage* BuildDecodePage(int set, RadioImage& image);

    QTabWidget* m_tabs = nullptr;
    QTabWidget* m_decodeTabs = nullptr;
    BoundPage* m_encode = nullptr;
    CellEditGrid* m_grid = nullptr;
};
