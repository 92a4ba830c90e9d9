#include "shell/editor_dialogs.h"

#include "editors/product_info_dialog.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"

namespace {

template <typename Dialog>
void Register(CMainFrame& frame, int id, bool reused) {
    frame.SetEditorDialog(
        id, [](QWidget* parent) -> QDialog* { return new Dialog(parent); }, reused);
}

} // namespace

void RegisterEditorDialogs(CMainFrame& frame) {
    constexpr bool kReused = true;
    Register<CProductInfoDlg>(frame, ID_PRODUCT_INFORMATION, kReused);
}
