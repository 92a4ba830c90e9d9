// The view's edit commands: the clipboard, Delete and the row operations.
// The grid only binds them: what happens to the channel table is decided by
// the toolkit-free cell block and row operations.

#include "exchange/program_layout.h"
#include "grid/cell_clipboard.h"
#include "grid/cell_editors.h"
#include "grid/channel_grid.h"
#include "grid/channel_grid_model.h"
#include "grid/paste_report.h"
#include "model/row_operations.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "ui/message_service.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

void CProgramView::onSelectionChanged() {
    // Editing happens in one cell: a wider selection closes the editor, and
    // the grid takes the keys (Delete, the clipboard) for the selection.
    if (m_grid->selectionModel()->selectedIndexes().size() > 1) {
        closeEditorForCommand();
    }
}

bool CProgramView::closeEditorForCommand() {
    if (!CommitCellEdit()) {
        return false;
    }
    hideEditors();
    return true;
}

void CProgramView::replaceChannels(const ChannelTable& channels, const QString& step) {
    if (channels == m_model->Table()) {
        return;
    }
    m_model->Table() = channels;
    m_model->TableReplaced();
    emit ChannelsChanged(step);
}

void CProgramView::showRefusal(const char* text) {
    MessageService::Show(this, QString::fromUtf8(text), MessageButtons::Ok,
                         MessageIcon::Exclamation);
}

void CProgramView::copySelection() {
    const std::vector<GridCell> selection = m_grid->SelectedCells();
    const CellBlock block = CopyCells(m_model->Table(), selection);
    if (!block.empty()) {
        QApplication::clipboard()->setMimeData(CellBlockMimeData(
            block, exchange::ProgramLayoutBlock(m_model->Table(), selection, m_context.Texts())));
    }
}

void CProgramView::emptySelection(const QString& step) {
    ChannelTable channels = m_model->Table();
    EmptyCells(channels, m_context.band, m_grid->SelectedCells());
    replaceChannels(channels, step);
}

void CProgramView::OnEditCopy() {
    if (closeEditorForCommand()) {
        copySelection();
    }
}

void CProgramView::OnEditCut() {
    if (closeEditorForCommand()) {
        copySelection();
        emptySelection(tr("Cut"));
    }
}

void CProgramView::OnEditDelete() {
    if (closeEditorForCommand()) {
        emptySelection(tr("Delete"));
    }
}

void CProgramView::OnEditPaste() {
    if (!closeEditorForCommand()) {
        return;
    }
    const std::vector<GridCell> selection = m_grid->SelectedCells();
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    if (selection.empty() || clipboard == nullptr) {
        return;
    }
    const ClipboardBlock read = CellBlockFromMimeData(*clipboard, m_context.Texts());
    if (!read.error.isEmpty()) {
        MessageService::Show(this, read.error, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    // From the top left cell of the selection (the current cell when one
    // cell is selected, column 1 when whole rows are).
    int col = kChannelColumns;
    for (const GridCell& cell : selection) {
        col = std::min(col, cell.col);
    }
    ChannelTable channels = m_model->Table();
    const PasteResult result = PasteCells(channels, m_context.band, selection.front().row, col,
                                          read.block, m_context.Texts().bChinese());
    replaceChannels(channels, tr("Paste"));
    if (!result.refused.empty()) {
        const PasteReportText report = PasteReport(result.refused, m_context.Texts());
        MessageService::ShowList(this, report.summary, report.lines, MessageButtons::Ok,
                                 MessageIcon::Exclamation);
    }
}

void CProgramView::OnInsertRow() {
    if (!closeEditorForCommand() || !m_grid->currentIndex().isValid()) {
        return;
    }
    ChannelTable channels = m_model->Table();
    const RowOperationResult result = InsertRow(channels, m_grid->Row());
    if (!result.Done()) {
        showRefusal(m_context.Texts().Tr(RowRefusalWords(result.refusal)).c_str());
        return;
    }
    replaceChannels(channels, tr("Insert Row"));
    m_grid->SelectRowsQuietly(result.rows);
}

void CProgramView::OnRemoveRows() {
    if (!closeEditorForCommand()) {
        return;
    }
    ChannelTable channels = m_model->Table();
    const RowOperationResult result = RemoveRows(channels, m_grid->SelectedRows());
    if (!result.Done()) {
        showRefusal(m_context.Texts().Tr(RowRefusalWords(result.refusal)).c_str());
        return;
    }
    replaceChannels(channels, tr("Remove Row"));
    m_grid->SelectRowsQuietly(result.rows);
}

void CProgramView::OnMoveRowsUp() {
    moveRows(-1, tr("Move Up"));
}

void CProgramView::OnMoveRowsDown() {
    moveRows(+1, tr("Move Down"));
}

void CProgramView::moveRows(int delta, const QString& step) {
    if (!closeEditorForCommand()) {
        return;
    }
    ChannelTable channels = m_model->Table();
    const RowOperationResult result = MoveRows(channels, m_grid->SelectedRows(), delta);
    if (!result.Done()) {
        showRefusal(m_context.Texts().Tr(RowRefusalWords(result.refusal)).c_str());
        return;
    }
    replaceChannels(channels, step);
    m_grid->SelectRowsQuietly(result.rows);
}
