#include "shell/editor_dialogs.h"

#include "dialogs/dtmf_dialog.h"
#include "dialogs/key_assignment_dialog.h"
#include "dialogs/msk_dialog.h"
#include "dialogs/optional_features_dialog.h"
#include "dialogs/product_info_dialog.h"
#include "dialogs/squelch_tuning_dialog.h"
#include "dialogs/two_tone_dialog.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"

namespace {

template <typename Dialog> void Register(CMainFrame& frame, int id, bool reused) {
    frame.SetEditorDialog(
        id, [](QWidget* parent) -> ImageDialog* { return new Dialog(parent); }, reused);
}

// A dialog that works with the program's context (band plan, settings, port).
template <typename Dialog> void RegisterWithContext(CMainFrame& frame, int id, bool reused) {
    frame.SetEditorDialog(
        id,
        [&context = frame.Context()](QWidget* parent) -> ImageDialog* {
            return new Dialog(context, parent);
        },
        reused);
}

} // namespace

void RegisterEditorDialogs(CMainFrame& frame, const std::string& wireLog) {
    // The frame keeps one object of these and shows it again at each request.
    constexpr bool kReused = true;
    RegisterWithContext<CProductInfoDlg>(frame, ID_PRODUCT_INFORMATION, kReused);
    Register<COptionalFeaturesDlg>(frame, ID_OPTIONAL_FEATURES, kReused);
    Register<CDtmfDlg>(frame, ID_DTMF, kReused);
    Register<CMskDlg>(frame, ID_MSK, kReused);
    Register<CTwoToneDlg>(frame, ID_TWO_TONE, kReused);
    // These are built anew for every request.
    constexpr bool kAnew = false;
    Register<CKeyAssignDlg>(frame, ID_KEY_ASSIGNMENT, kAnew);
    // Squelch Tuning talks to the radio itself, into the window's wire log.
    frame.SetEditorDialog(
        ID_SQUELCH_TUNING,
        [wireLog, &context = frame.Context()](QWidget* parent) -> ImageDialog* {
            auto* dialog = new CSquelchTuningDlg(context, parent);
            dialog->SetWireLog(wireLog);
            return dialog;
        },
        kAnew);
}
