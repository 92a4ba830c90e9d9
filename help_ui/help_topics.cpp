#include "help_ui/help_topics.h"

#include "dialogs/compare_dialog.h"
#include "dialogs/dtmf_call_list_page.h"
#include "dialogs/dtmf_decode_page.h"
#include "dialogs/dtmf_dialog.h"
#include "dialogs/dtmf_encode_page.h"
#include "dialogs/field_control_ids.h"
#include "dialogs/key_assignment_dialog.h"
#include "dialogs/language_dialog.h"
#include "dialogs/msk_dialog.h"
#include "dialogs/optional_features_dialog.h"
#include "dialogs/product_info_dialog.h"
#include "dialogs/radio_history_dialog.h"
#include "dialogs/squelch_tuning_dialog.h"
#include "dialogs/two_tone_dialog.h"
#include "grid/cell_editors.h"
#include "print/print_list_dialog.h"
#include "session/program_view.h"
#include "transfer/clone_station_dialog.h"
#include "transfer/port_setting_dialog.h"
#include "transfer/process_dialog.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int kMain = kMainWindowHelp;
// The main window's own help: the framework's resource help base less the
// 0x10000 the help call subtracts, plus the menu resource in use.
constexpr int kMenuNoDocumentHelp = 0x10000 + 128;
constexpr int kMenuDocumentHelp = 0x10000 + 129;

// The dialogs, by their own ids.
constexpr int kProductInfo = CProductInfoDlg::kDialogId;
constexpr int kOptionalFeatures = COptionalFeaturesDlg::kDialogId;
constexpr int kDtmf = CDtmfDlg::kDialogId;
constexpr int kDtmfCallList = CDtmfCallListPage::kDialogId;
constexpr int kDtmfEncode = CDtmfEncodePage::kDialogId;
constexpr int kDtmfDecode = CDtmfDecodePage::kDialogId;
constexpr int kProcess = IDD_PROCESS;
constexpr int kTwoTone = CTwoToneDlg::kDialogId;
constexpr int kMsk = CMskDlg::kDialogId;
constexpr int kLanguage = CLanguageDlg::kDialogId;
constexpr int kKeyAssignment = CKeyAssignDlg::kDialogId;
constexpr int kSquelchTuning = CSquelchTuningDlg::kDialogId;
constexpr int kPortSetting = IDD_PORT_SETTING;
constexpr int kPrintList = CPrintListDlg::kDialogId;
constexpr int kRadioHistory = CRadioHistoryDlg::kDialogId;
constexpr int kCompare = CCompareDlg::kDialogId;
using CloneStation = CCloneStationDlg;
constexpr int kCloneStation = CloneStation::kDialogId;
constexpr int kOk = 1;
constexpr int kCancel = 2;

// A row for one context.
constexpr HelpTopicRow One(int window, int context, const char* topic) {
    return {window, context, context, topic};
}

// The help of a field of a settings group (model/fields/settings_groups.h),
// asked for from window: by the ids its dialog gives its control, the spin
// buttons or drop-down list paired with it and the buttons of its group
// (dialogs/field_control_ids.h).
struct FieldTopicRow {
    int window;
    const char* group;
    const char* field;
    const char* topic;
};

constexpr FieldTopicRow kFieldRows[] = {
    {kProductInfo, "product", "model", "product-information.html#model"},
    {kProductInfo, "product", "band1_low", "product-information.html#band-limits"},
    {kProductInfo, "product", "band1_high", "product-information.html#band-limits"},
    {kProductInfo, "product", "band2_low", "product-information.html#band-limits"},
    {kProductInfo, "product", "band2_high", "product-information.html#band-limits"},

    {kOptionalFeatures, "optional", "back_light", "optional-features.html#back-light"},
    {kOptionalFeatures, "optional", "back_light_color", "optional-features.html#back-light-color"},
    {kOptionalFeatures, "optional", "display_mode", "optional-features.html#display-mode"},
    {kOptionalFeatures, "optional", "key_lock", "optional-features.html#key-lock"},
    {kOptionalFeatures, "optional", "priority_channel", "optional-features.html#priority-channel"},
    {kOptionalFeatures, "optional", "vox_gain", "optional-features.html#vox-gain"},
    {kOptionalFeatures, "optional", "power_on_style", "optional-features.html#power-on-style"},
    {kOptionalFeatures, "optional", "scan_mode", "optional-features.html#scan-mode"},
    {kOptionalFeatures, "optional", "squelch_level", "optional-features.html#squelch-level"},
    {kOptionalFeatures, "optional", "step", "optional-features.html#step"},
    {kOptionalFeatures, "optional", "tot", "optional-features.html#tot"},
    {kOptionalFeatures, "optional", "tot_pre_alert", "optional-features.html#tot-pre-alert"},
    {kOptionalFeatures, "optional", "beep", "optional-features.html#beep"},
    {kOptionalFeatures, "optional", "battery_saver", "optional-features.html#battery-saver"},
    {kOptionalFeatures, "optional", "stopwatch", "optional-features.html#stopwatch"},
    {kOptionalFeatures, "optional", "tail", "optional-features.html#tail"},
    {kOptionalFeatures, "optional", "short_press_orange_key",
     "optional-features.html#short-press-orange-key"},
    {kOptionalFeatures, "optional", "msk_type", "optional-features.html#msk-type"},
    {kOptionalFeatures, "optional", "password", "optional-features.html#password"},
    {kOptionalFeatures, "optional", "keypad_lock", "optional-features.html#keypad-lock"},
    {kOptionalFeatures, "optional", "repeater_msk_invert",
     "optional-features.html#repeater-msk-invert"},
    {kOptionalFeatures, "optional", "str_set", "optional-features.html#str-set"},
    {kOptionalFeatures, "optional", "allow_reset", "optional-features.html#allow-reset"},

    {kDtmf, "dtmf", "speed", "dtmf.html#speed"},
    {kDtmf, "dtmf", "first_digit_delay", "dtmf.html#first-digit-delay"},
    {kDtmf, "dtmf", "first_digit_time", "dtmf.html#first-digit-time"},
    {kDtmf, "dtmf", "star_hash_time", "dtmf.html#star-hash-time"},
    {kDtmf, "dtmf", "side_tone", "dtmf.html#side-tone"},
    {kDtmf, "dtmf", "id_code", "dtmf.html#id-code"},
    {kDtmf, "dtmf", "group_code", "dtmf.html#group-code"},
    {kDtmf, "dtmf", "stun_activation", "dtmf.html#stun-activation"},
    {kDtmf, "dtmf", "stun_code", "dtmf.html#stun-code"},
    {kDtmf, "dtmf", "stun_type", "dtmf.html#stun-type"},

    {kTwoTone, "two_tone", "first_delay", "two-tone.html#first-delay"},
    {kTwoTone, "two_tone", "second_delay", "two-tone.html#second-delay"},
    {kTwoTone, "two_tone", "long_tone_delay", "two-tone.html#long-tone-delay"},
    {kTwoTone, "two_tone", "tone_interval", "two-tone.html#tone-interval"},
    {kTwoTone, "two_tone", "tx_rise_delay", "two-tone.html#tx-rise-delay"},
    {kTwoTone, "two_tone", "short_beep", "two-tone.html#short-beep"},
    // The decode sets share one set of controls.
    {kTwoTone, "two_tone", "decode.1.a", "two-tone.html#decode-a"},
    {kTwoTone, "two_tone", "decode.1.b", "two-tone.html#decode-b"},
    {kTwoTone, "two_tone", "decode.1.first", "two-tone.html#decode-times"},
    {kTwoTone, "two_tone", "decode.1.second", "two-tone.html#decode-times"},
    {kTwoTone, "two_tone", "decode.1.interval", "two-tone.html#decode-times"},
    {kTwoTone, "two_tone", "decode.1.long", "two-tone.html#decode-times"},

    {kMsk, "msk", "id_code", "msk.html#id-code"},
    {kKeyAssignment, "side_key", "side_key", "key-assignment.html#side-key"},
    {kSquelchTuning, "squelch", "v_wide", "squelch-tuning.html#levels"},
    {kSquelchTuning, "squelch", "v_narrow", "squelch-tuning.html#levels"},
    {kSquelchTuning, "squelch", "u_wide", "squelch-tuning.html#levels"},
    {kSquelchTuning, "squelch", "u_narrow", "squelch-tuning.html#levels"},
};

// The rows of the windows' other controls.
constexpr std::array kRows{
    // The main window: its own help and the channel grid. Its commands name
    // their topics in their rows of the command table.
    HelpTopicRow{kMain, kMenuNoDocumentHelp, kMenuDocumentHelp, "main-window.html"},
    One(kMain, IDC_CHANNEL_GRID, "channel-grid.html"),
    One(kMain, IDC_EDIT_NAME, "channel-grid.html#name"),
    One(kMain, IDC_EDIT_FREQUENCY, "channel-grid.html#rx-frequency"),
    One(kMain, IDC_COMBO_WIDTH, "channel-grid.html#width"),
    One(kMain, IDC_COMBO_POWER, "channel-grid.html#power"),
    One(kMain, IDC_COMBO_BUSY, "channel-grid.html#busy-lock"),
    One(kMain, IDC_COMBO_TONE, "channel-grid.html#decode-tone"),
    One(kMain, IDC_COMBO_SCAN, "channel-grid.html#scan-add"),
    One(kMain, kHelpRxFrequency, "channel-grid.html#rx-frequency"),
    One(kMain, kHelpTxFrequency, "channel-grid.html#tx-frequency"),
    One(kMain, kHelpDecodeTone, "channel-grid.html#decode-tone"),
    One(kMain, kHelpEncodeTone, "channel-grid.html#encode-tone"),

    // Product Information.
    One(kProductInfo, kProductInfo, "product-information.html"),
    HelpTopicRow{kProductInfo, kOk, kCancel, "product-information.html"},

    // Optional Features.
    One(kOptionalFeatures, kOptionalFeatures, "optional-features.html"),
    HelpTopicRow{kOptionalFeatures, kOk, kCancel, "optional-features.html"},

    // DTMF and its pages.
    One(kDtmf, kDtmf, "dtmf.html"),
    One(kDtmf, CDtmfDlg::kTabId, "dtmf.html"),
    One(kDtmf, kDtmfEncode, "dtmf.html#encode"),
    One(kDtmf, kDtmfDecode, "dtmf.html#decode"),
    One(kDtmf, CDtmfDecodePage::kStunCodeLabelId, "dtmf.html#stun-code"),
    One(kDtmf, CDtmfDecodePage::kStunTypeLabelId, "dtmf.html#stun-type"),
    One(kDtmf, kDtmfCallList, "dtmf.html#call-list"),
    One(kDtmf, CDtmfCallListPage::kGridId, "dtmf.html#call-list"),
    One(kDtmf, CDtmfCallListPage::kCellEditId, "dtmf.html#call-list"),
    HelpTopicRow{kDtmf, kOk, kCancel, "dtmf.html"},

    // 2-Tone.
    One(kTwoTone, kTwoTone, "two-tone.html"),
    HelpTopicRow{kTwoTone, CTwoToneDlg::kTabId, CTwoToneDlg::kDecodeTabId, "two-tone.html"},
    One(kTwoTone, CTwoToneDlg::kEncodeGridId, "two-tone.html#tone-list"),
    One(kTwoTone, CTwoToneDlg::kCellEditId, "two-tone.html#tone-list"),
    HelpTopicRow{kTwoTone, kOk, kCancel, "two-tone.html"},

    // MSK.
    One(kMsk, kMsk, "msk.html"),
    One(kMsk, CMskDlg::kCallListGridId, "msk.html#call-list"),
    One(kMsk, CMskDlg::kCellEditId, "msk.html#call-list"),
    HelpTopicRow{kMsk, kOk, kCancel, "msk.html"},

    // Key Assignment: its four buttons ask for the command's number.
    One(kKeyAssignment, kKeyAssignment, "key-assignment.html"),
    One(kKeyAssignment, CKeyAssignDlg::kCommandId, "key-assignment.html#side-key"),
    HelpTopicRow{kKeyAssignment, kOk, kCancel, "key-assignment.html"},

    // Squelch Tuning.
    One(kSquelchTuning, kSquelchTuning, "squelch-tuning.html"),
    HelpTopicRow{kSquelchTuning, CSquelchTuningDlg::kReadButtonId,
                 CSquelchTuningDlg::kWriteButtonId, "squelch-tuning.html#read-write"},
    HelpTopicRow{kSquelchTuning, kOk, kCancel, "squelch-tuning.html"},

    // Port Setting.
    One(kPortSetting, kPortSetting, "port-setting.html"),
    HelpTopicRow{kPortSetting, IDC_COM_FIRST, IDC_COM_LAST, "port-setting.html#ports"},
    HelpTopicRow{kPortSetting, kOk, kCancel, "port-setting.html"},

    // PrintList: the section boxes, Select All and Clear All.
    One(kPrintList, kPrintList, "printing.html#sections"),
    One(kPrintList, CPrintListDlg::kCheckIds[0], "printing.html#sections"),
    HelpTopicRow{kPrintList, CPrintListDlg::kCheckIds[1], CPrintListDlg::kCheckIds[4],
                 "printing.html#sections"},
    HelpTopicRow{kPrintList, CPrintListDlg::kSelectAllId, CPrintListDlg::kClearAllId,
                 "printing.html#select-all"},
    HelpTopicRow{kPrintList, kOk, kCancel, "printing.html#sections"},

    // Radio History, and the choice of a file to compare with.
    One(kRadioHistory, kRadioHistory, "restore-points.html#radio-history"),
    One(kRadioHistory, CRadioHistoryDlg::kTableId, "restore-points.html#history-list"),
    One(kRadioHistory, CRadioHistoryDlg::kFileButtonId, "restore-points.html#other-file"),
    HelpTopicRow{kRadioHistory, kOk, kCancel, "restore-points.html#radio-history"},

    // The list of differences.
    One(kCompare, kCompare, "restore-points.html#compare-with"),
    One(kCompare, CCompareDlg::kTableId, "restore-points.html#differences"),
    One(kCompare, kCancel, "restore-points.html#compare-with"),

    // The transfer window.
    One(kProcess, kProcess, "process.html"),
    HelpTopicRow{kProcess, kOk, kCancel, "process.html#start"},
    One(kProcess, IDC_PROCESS_PROGRESS, "process.html#progress"),
    One(kProcess, IDC_PROCESS_STATUS, "process.html#progress"),

    // Clone Station: the Next buttons ask as the table of stations.
    One(kCloneStation, kCloneStation, "clone-station.html"),
    HelpTopicRow{kCloneStation, CloneStation::kPortListId, CloneStation::kAddDeviceId,
                 "clone-station.html#ports"},
    HelpTopicRow{kCloneStation, CloneStation::kVerifyId, CloneStation::kReadFirstId,
                 "clone-station.html#options"},
    HelpTopicRow{kCloneStation, CloneStation::kStartId, CloneStation::kStopId,
                 "clone-station.html#start"},
    One(kCloneStation, CloneStation::kStationTableId, "clone-station.html#stations"),
    HelpTopicRow{kCloneStation, CloneStation::kLogTableId, CloneStation::kLogPathId,
                 "clone-station.html#log"},
    One(kCloneStation, CloneStation::kCloseId, "clone-station.html#closing"),

    // Language: its two buttons ask for the command's number.
    One(kLanguage, kLanguage, "language.html"),
    One(kLanguage, CLanguageDlg::kCommandId, "language.html#choice"),
    HelpTopicRow{kLanguage, CLanguageDlg::kEnglishId, CLanguageDlg::kChineseId,
                 "language.html#choice"},
    HelpTopicRow{kLanguage, kOk, kCancel, "language.html"},
};

// A field's name the dialog has no ids for throws std::out_of_range.
std::vector<HelpTopicRow> MakeRows() {
    std::vector<HelpTopicRow> rows;
    for (const FieldTopicRow& row : kFieldRows) {
        const binding::FieldControlIds& field =
            binding::IdsOf(GroupControlIds(row.group), row.field);
        std::vector<int> ids = field.itemIds;
        for (const int id : {field.id, field.pairedId}) {
            if (id != 0) {
                ids.push_back(id);
            }
        }
        for (const int id : ids) {
            rows.push_back(One(row.window, id, row.topic));
        }
    }
    rows.insert(rows.end(), kRows.begin(), kRows.end());
    return rows;
}

} // namespace

std::span<const HelpTopicRow> HelpTopicTable() {
    static const std::vector<HelpTopicRow> rows = MakeRows();
    return rows;
}

const char* FindTableTopic(int window, int context) {
    const std::span<const HelpTopicRow> rows = HelpTopicTable();
    const auto it = std::find_if(rows.begin(), rows.end(), [=](const HelpTopicRow& row) {
        return row.window == window && row.first <= context && context <= row.last;
    });
    return it == rows.end() ? nullptr : it->topic;
}
