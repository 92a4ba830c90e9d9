#include "shell/help_topics.h"

#include "dialogs/compare_dialog.h"
#include "dialogs/dtmf_call_list_page.h"
#include "dialogs/dtmf_decode_page.h"
#include "dialogs/dtmf_dialog.h"
#include "dialogs/dtmf_encode_page.h"
#include "dialogs/key_assignment_dialog.h"
#include "dialogs/language_dialog.h"
#include "dialogs/msk_dialog.h"
#include "dialogs/optional_features_dialog.h"
#include "dialogs/product_info_dialog.h"
#include "dialogs/radio_history_dialog.h"
#include "dialogs/squelch_tuning_dialog.h"
#include "dialogs/two_tone_dialog.h"
#include "grid/cell_editors.h"
#include "model/fields/dtmf_fields.h"
#include "model/fields/msk_fields.h"
#include "model/fields/product_fields.h"
#include "model/fields/squelch_fields.h"
#include "model/fields/two_tone_fields.h"
#include "print/print_list_dialog.h"
#include "session/program_view.h"
#include "shell/command_table.h"
#include "transfer/clone_station_dialog.h"
#include "transfer/port_setting_dialog.h"
#include "transfer/process_dialog.h"

#include <algorithm>
#include <array>

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
    One(kProductInfo, product::kModelListId, "product-information.html#model"),
    HelpTopicRow{kProductInfo, product::kBand1LowId, product::kBand2HighId,
                 "product-information.html#band-limits"},
    HelpTopicRow{kProductInfo, kOk, kCancel, "product-information.html"},

    // Optional Features.
    One(kOptionalFeatures, kOptionalFeatures, "optional-features.html"),
    One(kOptionalFeatures, 1115, "optional-features.html#back-light"),
    One(kOptionalFeatures, 1116, "optional-features.html#back-light-color"),
    One(kOptionalFeatures, 1117, "optional-features.html#display-mode"),
    One(kOptionalFeatures, 1118, "optional-features.html#key-lock"),
    One(kOptionalFeatures, 1119, "optional-features.html#priority-channel"),
    One(kOptionalFeatures, 1120, "optional-features.html#vox-gain"),
    One(kOptionalFeatures, 1121, "optional-features.html#power-on-style"),
    One(kOptionalFeatures, 1122, "optional-features.html#scan-mode"),
    One(kOptionalFeatures, 1123, "optional-features.html#squelch-level"),
    One(kOptionalFeatures, 1124, "optional-features.html#step"),
    One(kOptionalFeatures, 1125, "optional-features.html#tot"),
    One(kOptionalFeatures, 1126, "optional-features.html#tot-pre-alert"),
    One(kOptionalFeatures, 1127, "optional-features.html#beep"),
    One(kOptionalFeatures, 1128, "optional-features.html#battery-saver"),
    One(kOptionalFeatures, 1129, "optional-features.html#stopwatch"),
    One(kOptionalFeatures, 1130, "optional-features.html#tail"),
    One(kOptionalFeatures, 1131, "optional-features.html#short-press-orange-key"),
    One(kOptionalFeatures, 1132, "optional-features.html#msk-type"),
    One(kOptionalFeatures, 1133, "optional-features.html#password"),
    One(kOptionalFeatures, 1134, "optional-features.html#keypad-lock"),
    One(kOptionalFeatures, 1135, "optional-features.html#repeater-msk-invert"),
    One(kOptionalFeatures, 1136, "optional-features.html#str-set"),
    One(kOptionalFeatures, 1137, "optional-features.html#allow-reset"),
    HelpTopicRow{kOptionalFeatures, kOk, kCancel, "optional-features.html"},

    // DTMF and its pages.
    One(kDtmf, kDtmf, "dtmf.html"),
    One(kDtmf, dtmf::kTabId, "dtmf.html"),
    One(kDtmf, kDtmfEncode, "dtmf.html#encode"),
    One(kDtmf, 1084, "dtmf.html#speed"),
    One(kDtmf, 1241, "dtmf.html#speed"),
    One(kDtmf, 1085, "dtmf.html#first-digit-delay"),
    One(kDtmf, 1242, "dtmf.html#first-digit-delay"),
    One(kDtmf, 1086, "dtmf.html#first-digit-time"),
    One(kDtmf, 1243, "dtmf.html#first-digit-time"),
    One(kDtmf, 1087, "dtmf.html#star-hash-time"),
    One(kDtmf, 1044, "dtmf.html#star-hash-time"),
    One(kDtmf, 1088, "dtmf.html#side-tone"),
    One(kDtmf, kDtmfDecode, "dtmf.html#decode"),
    One(kDtmf, 1080, "dtmf.html#id-code"),
    One(kDtmf, dtmf::kGroupCodeEditId, "dtmf.html#group-code"),
    One(kDtmf, dtmf::kGroupCodeListId, "dtmf.html#group-code"),
    One(kDtmf, dtmf::kStunActivationId, "dtmf.html#stun-activation"),
    One(kDtmf, dtmf::kStunCodeEditId, "dtmf.html#stun-code"),
    One(kDtmf, dtmf::kStunCodeLabelId, "dtmf.html#stun-code"),
    One(kDtmf, dtmf::kStunTypeEditId, "dtmf.html#stun-type"),
    One(kDtmf, dtmf::kStunTypeLabelId, "dtmf.html#stun-type"),
    One(kDtmf, dtmf::kStunTypeListId, "dtmf.html#stun-type"),
    One(kDtmf, kDtmfCallList, "dtmf.html#call-list"),
    One(kDtmf, dtmf::kCallListGridId, "dtmf.html#call-list"),
    One(kDtmf, dtmf::kCellEditId, "dtmf.html#call-list"),
    HelpTopicRow{kDtmf, kOk, kCancel, "dtmf.html"},

    // 2-Tone.
    One(kTwoTone, kTwoTone, "two-tone.html"),
    HelpTopicRow{kTwoTone, two_tone::kTabId, two_tone::kDecodeTabId, "two-tone.html"},
    One(kTwoTone, two_tone::kEncodeGridId, "two-tone.html#tone-list"),
    One(kTwoTone, two_tone::kCellEditId, "two-tone.html#tone-list"),
    One(kTwoTone, 1250, "two-tone.html#first-delay"),
    One(kTwoTone, 1055, "two-tone.html#first-delay"),
    One(kTwoTone, 1251, "two-tone.html#second-delay"),
    One(kTwoTone, 1056, "two-tone.html#second-delay"),
    One(kTwoTone, 1252, "two-tone.html#long-tone-delay"),
    One(kTwoTone, 1057, "two-tone.html#long-tone-delay"),
    One(kTwoTone, 1253, "two-tone.html#tone-interval"),
    One(kTwoTone, 1058, "two-tone.html#tone-interval"),
    One(kTwoTone, 1054, "two-tone.html#tx-rise-delay"),
    One(kTwoTone, 1059, "two-tone.html#tx-rise-delay"),
    One(kTwoTone, two_tone::kShortBeepId, "two-tone.html#short-beep"),
    One(kTwoTone, 1037, "two-tone.html#decode-a"),
    One(kTwoTone, 1068, "two-tone.html#decode-a"),
    One(kTwoTone, 1038, "two-tone.html#decode-b"),
    One(kTwoTone, 1069, "two-tone.html#decode-b"),
    HelpTopicRow{kTwoTone, 1039, 1042, "two-tone.html#decode-times"},
    HelpTopicRow{kTwoTone, 1070, 1073, "two-tone.html#decode-times"},
    HelpTopicRow{kTwoTone, kOk, kCancel, "two-tone.html"},

    // MSK.
    One(kMsk, kMsk, "msk.html"),
    One(kMsk, msk::kIdCodeEditId, "msk.html#id-code"),
    One(kMsk, msk::kCallListGridId, "msk.html#call-list"),
    One(kMsk, msk::kCellEditId, "msk.html#call-list"),
    HelpTopicRow{kMsk, kOk, kCancel, "msk.html"},

    // Key Assignment: its four buttons ask for the command's number.
    One(kKeyAssignment, kKeyAssignment, "key-assignment.html"),
    One(kKeyAssignment, CKeyAssignDlg::kCommandId, "key-assignment.html#side-key"),
    HelpTopicRow{kKeyAssignment, 1076, 1079, "key-assignment.html#side-key"},
    HelpTopicRow{kKeyAssignment, kOk, kCancel, "key-assignment.html"},

    // Squelch Tuning.
    One(kSquelchTuning, kSquelchTuning, "squelch-tuning.html"),
    HelpTopicRow{kSquelchTuning, 1136, 1139, "squelch-tuning.html#levels"},
    HelpTopicRow{kSquelchTuning, squelch::kReadButtonId, squelch::kWriteButtonId,
                 "squelch-tuning.html#read-write"},
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

} // namespace

std::span<const HelpTopicRow> HelpTopicTable() {
    return kRows;
}

const char* FindHelpTopic(int window, int context) {
    if (const Command* command = window == kMain ? FindCommand(context) : nullptr) {
        return command->helpTopic;
    }
    const auto it = std::find_if(kRows.begin(), kRows.end(), [=](const HelpTopicRow& row) {
        return row.window == window && row.first <= context && context <= row.last;
    });
    return it == kRows.end() ? nullptr : it->topic;
}

const char* HelpTopicFor(int window, int context) {
    if (const char* topic = FindHelpTopic(window, context)) {
        return topic;
    }
    if (const char* topic = FindHelpTopic(window, window)) {
        return topic;
    }
    return kHelpContentsPage;
}
