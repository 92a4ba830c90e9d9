#include "shell/editor_dialogs.h"

#include "editors/dtmf_dlg.h"
#include "editors/key_assignment_dlg.h"
#include "editors/msk_dlg.h"
#include "editors/optional_features_dlg.h"
#include "editors/product_info_dialog.h"
#include "editors/squelch_tuning_dlg.h"
#include "editors/two_tone_dlg.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"

namespace {

template <typename Dialog> void Register(CMainFrame& frame, int id, bool reused) {
    frame.SetEditorDialog(
        id, [](QWidget* parent) -> QDialog* { return new Dialog(parent); }, reused);
}

} // namespace

void RegisterEditorDialogs(CMainFrame& frame) {
    // The frame keeps one object of these and shows it again at each request.
    constexpr bool kReused = true;
    Register<CProductInfoDlg>(frame, ID_PRODUCT_INFORMATION, kReused);
    Register<COptionalFeaturesDlg>(frame, ID_OPTIONAL_FEATURES, kReused);
    Register<CDtmfDlg>(frame, ID_DTMF, kReused);
    Register<CMskDlg>(frame, ID_MSK, kReused);
    Register<CTwoToneDlg>(frame, ID_TWO_TONE, kReused);
    // These are built anew for every request.
    constexpr bool kAnew = false;
    Register<CKeyAssignDlg>(frame, ID_KEY_ASSIGNMENT, kAnew);
    Register<CSquelchTuningDlg>(frame, ID_SQUELCH_TUNING, kAnew);
}
