#include "shell/compare_show.h"

#include "grid/channel_grid.h"
#include "dialogs/compare_dialog.h"
#include "shell/compare_places.h"
#include "shell/main_frame.h"
#include "session/program_view.h"

void ShowDifference(CMainFrame& frame, CProgramView& view, CCompareDlg& dialog,
                    const compare::Difference& difference) {
    if (difference.kind == compare::DifferenceKind::Channel) {
        dialog.accept();
        ChannelGrid& grid = *view.Grid();
        grid.SetCurrentQuietly(difference.row, difference.column);
        grid.scrollTo(grid.currentIndex());
        grid.setFocus();
        return;
    }
    if (const int command = GroupCommandId(difference.group); command != 0) {
        frame.OnCommand(command);
    }
}
