#pragma once
// CTwoToneDlg: the 2-Tone dialog (group "two_tone"). An outer tab control
// holds the encode page
// (timing, short beep, the grid of 32 tone pairs) and a page with an inner
// tab control of the eight decode sets "2-Tone1" .. "2-Tone8". There is no
// OK or Cancel: each page loads from the image when it becomes visible and
// stores into it when it is hidden, by its tab control or when the dialog
// closes, by its close box or Escape (see bound_dialog.h). The pages are
// made anew at each opening. On every page only digits, the keypad's decimal
// point, Backspace, Delete and the arrows can be typed (not with Shift); Tab
// moves between the controls; F1 asks for help on the focused control's id.
//
// The main window keeps one object and runs DoModal for each request.

#include "dialogs/bound_dialog.h"

class CellEditGrid;
class QTabWidget;

class CTwoToneDlg : public CBoundDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 155;
    // The tabs of the encode and decode pages, the tabs of the decode sets,
    // the tone list grid and the edit of its cells.
    static constexpr int kTabId = 1074;
    static constexpr int kDecodeTabId = 1075;
    static constexpr int kEncodeGridId = 1060;
    static constexpr int kCellEditId = 1135;

    // bChinese: the window's language flag (items of the lists in Chinese).
    explicit CTwoToneDlg(QWidget* parent = nullptr, bool bChinese = false);

    // The controls of the current opening (null outside one).
    QTabWidget* Tabs() const { return m_tabs; }
    QTabWidget* DecodeTabs() const { return m_decodeTabs; }
    QWidget* EncodePage() const { return m_encode; }
    // Decode set 1..8.
    QWidget* DecodePage(int set) const;
    CellEditGrid* EncodeGrid() const { return m_grid; }

protected:
    void CreatePages() override;
    void DestroyPages() override;

private:
    QWidget* CreateEncodePage();
    QWidget* CreateDecodePage(int set);

    QTabWidget* m_tabs = nullptr;
    QTabWidget* m_decodeTabs = nullptr;
    QWidget* m_encode = nullptr;
    CellEditGrid* m_grid = nullptr;
};
