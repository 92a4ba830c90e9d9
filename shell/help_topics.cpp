#include "shell/help_topics.h"

#include "shell/command_ids.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kMain = kMainWindowHelp;
// The main window's own help: the framework's resource help base less the
// 0x10000 the help call subtracts, plus the menu resource in use.
constexpr int kMenuNoDocumentHelp = 0x10000 + 128;
constexpr int kMenuDocumentHelp = 0x10000 + 129;

// The dialogs, by their own ids.
constexpr int kProductInfo = 135;
constexpr int kOptionalFeatures = 133;
constexpr int kDtmf = 141;
constexpr int kDtmfCallList = 142;
constexpr int kDtmfEncode = 143;
constexpr int kDtmfDecode = 144;
constexpr int kProcess = 146;
constexpr int kTwoTone = 155;
constexpr int kMsk = 162;
constexpr int kLanguage = 201;
constexpr int kKeyAssignment = 202;
constexpr int kSquelchTuning = 203;
constexpr int kPortSetting = 204;
constexpr int kOk = 1;
constexpr int kCancel = 2;

// A row for one context.
constexpr HelpTopicRow One(int window, int context, const char* topic) {
    return {window, context, context, topic};
}

constexpr std::array kRows{
    // The main window: its menu commands, its own help, the channel grid.
    HelpTopicRow{kMain, ID_FILE_NEW, ID_FILE_SAVE_AS, "main-window.html#file"},
    One(kMain, ID_APP_EXIT, "main-window.html#file"),
    One(kMain, ID_FILE_PRINT_SETUP, "printing.html"),
    One(kMain, ID_FILE_PRINT, "printing.html"),
    One(kMain, ID_FILE_PRINT_PREVIEW, "printing.html"),
    One(kMain, ID_PRODUCT_INFORMATION, "product-information.html"),
    One(kMain, ID_CHANNEL_INFORMATION, "channel-grid.html"),
    One(kMain, ID_OPTIONAL_FEATURES, "optional-features.html"),
    One(kMain, ID_DTMF, "dtmf.html"),
    One(kMain, ID_MSK, "msk.html"),
    One(kMain, ID_TWO_TONE, "two-tone.html"),
    One(kMain, ID_KEY_ASSIGNMENT, "key-assignment.html"),
    One(kMain, ID_SQUELCH_TUNING, "squelch-tuning.html"),
    One(kMain, ID_PROGRAM_READ, "process.html#read"),
    One(kMain, ID_PROGRAM_WRITE, "process.html#write"),
    One(kMain, ID_COM_SETUP, "port-setting.html"),
    One(kMain, ID_LANGUAGE, "language.html"),
    One(kMain, ID_VIEW_TOOLBAR, "main-window.html#view"),
    One(kMain, ID_VIEW_STATUS_BAR, "main-window.html#view"),
    One(kMain, ID_CONTROL_BAR, "main-window.html#navigation"),
    One(kMain, ID_HELP_TOPICS, "main-window.html#help"),
    One(kMain, ID_HELP, "main-window.html#help"),
    One(kMain, ID_APP_ABOUT, "about.html"),
    HelpTopicRow{kMain, kMenuNoDocumentHelp, kMenuDocumentHelp, "main-window.html"},
    One(kMain, 1022, "channel-grid.html"),
    One(kMain, 1126, "channel-grid.html#name"),
    One(kMain, 1127, "channel-grid.html#rx-frequency"),
    One(kMain, 1128, "channel-grid.html#width"),
    One(kMain, 1129, "channel-grid.html#power"),
    One(kMain, 1130, "channel-grid.html#busy-lock"),
    One(kMain, 1132, "channel-grid.html#decode-tone"),
    One(kMain, 1134, "channel-grid.html#scan-add"),
    One(kMain, 2127, "channel-grid.html#rx-frequency"),
    One(kMain, 2128, "channel-grid.html#tx-frequency"),
    One(kMain, 2132, "channel-grid.html#decode-tone"),
    One(kMain, 2133, "channel-grid.html#encode-tone"),

    // Product Information.
    One(kProductInfo, kProductInfo, "product-information.html"),
    One(kProductInfo, 1013, "product-information.html#model"),
    HelpTopicRow{kProductInfo, 1113, 1116, "product-information.html#band-limits"},
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
    One(kDtmf, 1036, "dtmf.html"),
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
    One(kDtmf, 1081, "dtmf.html#group-code"),
    One(kDtmf, 1124, "dtmf.html#group-code"),
    One(kDtmf, 1103, "dtmf.html#stun-activation"),
    One(kDtmf, 1082, "dtmf.html#stun-code"),
    One(kDtmf, 1107, "dtmf.html#stun-code"),
    One(kDtmf, 1083, "dtmf.html#stun-type"),
    One(kDtmf, 1108, "dtmf.html#stun-type"),
    One(kDtmf, 1136, "dtmf.html#stun-type"),
    One(kDtmf, kDtmfCallList, "dtmf.html#call-list"),
    One(kDtmf, 1022, "dtmf.html#call-list"),
    One(kDtmf, 1125, "dtmf.html#call-list"),
    HelpTopicRow{kDtmf, kOk, kCancel, "dtmf.html"},

    // 2-Tone.
    One(kTwoTone, kTwoTone, "two-tone.html"),
    HelpTopicRow{kTwoTone, 1074, 1075, "two-tone.html"},
    One(kTwoTone, 1060, "two-tone.html#tone-list"),
    One(kTwoTone, 1135, "two-tone.html#tone-list"),
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
    One(kTwoTone, 1061, "two-tone.html#short-beep"),
    One(kTwoTone, 1037, "two-tone.html#decode-a"),
    One(kTwoTone, 1068, "two-tone.html#decode-a"),
    One(kTwoTone, 1038, "two-tone.html#decode-b"),
    One(kTwoTone, 1069, "two-tone.html#decode-b"),
    HelpTopicRow{kTwoTone, 1039, 1042, "two-tone.html#decode-times"},
    HelpTopicRow{kTwoTone, 1070, 1073, "two-tone.html#decode-times"},
    HelpTopicRow{kTwoTone, kOk, kCancel, "two-tone.html"},

    // MSK.
    One(kMsk, kMsk, "msk.html"),
    One(kMsk, 1048, "msk.html#id-code"),
    One(kMsk, 1349, "msk.html#call-list"),
    One(kMsk, 1123, "msk.html#call-list"),
    HelpTopicRow{kMsk, kOk, kCancel, "msk.html"},

    // Key Assignment: its four buttons ask for the command's number.
    One(kKeyAssignment, kKeyAssignment, "key-assignment.html"),
    One(kKeyAssignment, ID_KEY_ASSIGNMENT, "key-assignment.html#side-key"),
    HelpTopicRow{kKeyAssignment, 1076, 1079, "key-assignment.html#side-key"},
    HelpTopicRow{kKeyAssignment, kOk, kCancel, "key-assignment.html"},

    // Squelch Tuning.
    One(kSquelchTuning, kSquelchTuning, "squelch-tuning.html"),
    HelpTopicRow{kSquelchTuning, 1136, 1139, "squelch-tuning.html#levels"},
    HelpTopicRow{kSquelchTuning, 1140, 1141, "squelch-tuning.html#read-write"},
    HelpTopicRow{kSquelchTuning, kOk, kCancel, "squelch-tuning.html"},

    // Port Setting.
    One(kPortSetting, kPortSetting, "port-setting.html"),
    HelpTopicRow{kPortSetting, 1007, 1022, "port-setting.html#ports"},
    HelpTopicRow{kPortSetting, kOk, kCancel, "port-setting.html"},

    // The transfer window.
    One(kProcess, kProcess, "process.html"),
    HelpTopicRow{kProcess, kOk, kCancel, "process.html#start"},
    One(kProcess, 1245, "process.html#progress"),
    One(kProcess, 1062, "process.html#progress"),

    // Language: its two buttons ask for the command's number.
    One(kLanguage, kLanguage, "language.html"),
    One(kLanguage, ID_LANGUAGE, "language.html#choice"),
    HelpTopicRow{kLanguage, 1076, 1077, "language.html#choice"},
    HelpTopicRow{kLanguage, kOk, kCancel, "language.html"},
};

} // namespace

std::span<const HelpTopicRow> HelpTopicTable() {
    return kRows;
}

const char* FindHelpTopic(int window, int context) {
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
