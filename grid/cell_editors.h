#pragma once
// The in-place editors of the channel grid: the frequency edit (columns 1, 2),
// the tone list (3, 4), the name edit (5) and the power, wide/narrow, scan and
// busy-lock lists (6..9). They are created hidden as children of the grid's
// cell area, and at most one of them is shown over the current cell.

#include "model/cell_commit.h"

#include <QRect>
#include <array>
#include <string>

class QComboBox;
class QLineEdit;
class QWidget;

// Control ids of the editors (help contexts of the focused control).
enum CellEditorId : int {
    IDC_EDIT_NAME = 1126,
    IDC_EDIT_FREQUENCY = 1127,
    IDC_COMBO_WIDTH = 1128,
    IDC_COMBO_POWER = 1129,
    IDC_COMBO_BUSY = 1130,
    IDC_COMBO_TONE = 1132,
    IDC_COMBO_SCAN = 1134,
};

class CellEditors {
public:
    // Creates the seven editors hidden, as children of parent, with their
    // items in Chinese when bChinese (the window's language flag), else in
    // English, and their length limits.
    CellEditors(QWidget* parent, bool bChinese);

    QWidget* ForColumn(int col) const;
    QLineEdit* FrequencyEdit() const { return m_frequency; }
    QLineEdit* NameEdit() const { return m_name; }
    QComboBox* ToneList() const { return m_tone; }
    QComboBox* List(CellEditor editor) const;

    // Loads the editor of col with a cell's text (a list selects the first
    // item that begins with it, the frequency edit selects its whole text),
    // lays it over cellRect, shows and focuses it.
    void Begin(int col, const std::string& cellText, const QRect& cellRect);
    // The editor's text: the edit's text or the list's selected item.
    std::string Text(int col) const;
    // True when the editor of col is shown (even while its window is hidden).
    bool IsVisible(int col) const;
    // Hides every editor (an open drop-down closes) without committing.
    void HideAll();

    std::array<QWidget*, 7> All() const;

private:
    QLineEdit* m_frequency;
    QLineEdit* m_name;
    QComboBox* m_tone;
    QComboBox* m_power;
    QComboBox* m_width;
    QComboBox* m_scan;
    QComboBox* m_busy;
};
