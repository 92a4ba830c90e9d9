#pragma once
// CPrintListDlg: the choice of report sections before every print job and
// preview. Five check boxes (DTMF, MSK, Optional, 2-Tone, Channel Info),
// Select All, Clear All, OK and Cancel. Every opening checks Optional and
// Channel Info only and counts the channel pages afresh; OK hands the boxes'
// states on as the job's selection.

#include "model/channel_table.h"
#include "report/print_sections.h"

#include <QDialog>
#include <array>

class QCheckBox;

class CPrintListDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 205;
    static constexpr int kCheckIds[report::kSectionCount] = {1045, 1246, 1247, 1248, 1249};
    static constexpr int kSelectAllId = 1279;
    static constexpr int kClearAllId = 1280;

    explicit CPrintListDlg(QWidget* parent = nullptr);

    // Opens modally for the channel table; QDialog::Accepted on OK.
    int DoModal(const ChannelTable& channels);

    // Page counts of the five sections, set when the dialog opened.
    const report::SectionPages& SectionPages() const { return m_sectionPages; }
    // The choice handed to the job (all off until a box is clicked or OK).
    const report::SectionFlags& SectionSelected() const { return m_sectionSelected; }

private:
    void SetAllChecks(bool checked);
    void OnOK();

    report::SectionPages m_sectionPages{};
    report::SectionFlags m_sectionSelected{};
    std::array<QCheckBox*, report::kSectionCount> m_sectionCheck{};
};
