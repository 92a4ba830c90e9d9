#pragma once
// What the editing tests share: the program started with its window active
// and the clipboard empty, the active document's view, grid and history,
// and clicks on cells, row labels and menu items as a user gives them.

#include "grid/channel_grid.h"
#include "model/channel_table.h"
#include "model/program_document.h"
#include "session/document_history.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"
#include "tests/app/app_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QObject>
#include <QTest>

#include <string>
#include <vector>

inline const ChannelTexts kChannel{"145.12500", "145.12500", "None", "None", "",
                                   "High",      "Wide",      "Yes",  "Off"};

// A table whose listed rows hold a channel named after the row.
inline ChannelTable Numbered(const std::vector<int>& rows) {
    ChannelTable table;
    for (int row : rows) {
        table[static_cast<std::size_t>(row - 1)] = kChannel;
        Cell(table, row, kColName) = std::to_string(row);
    }
    return table;
}

class EditingFixture : public QObject {
protected:
    void startProgram() {
        m_program.Start("");
        Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
        QApplication::clipboard()->clear();
    }
    void stopProgram() { m_program.Stop(); }

    CMainFrame& Frame() const { return m_program.Frame(); }
    CProgramView& View() const { return Frame().ActiveChild()->View(); }
    DocumentSession& Session() const { return Frame().ActiveChild()->Session(); }
    CProgramDoc& Document() const { return *Frame().ActiveDocument(); }
    DocumentHistory& History() const { return Frame().ActiveChild()->History(); }
    ChannelGrid* Grid() const { return View().Grid(); }

    bool IsEmptyRowAt(int row) const {
        return View().Channels()[static_cast<std::size_t>(row - 1)] == ChannelTexts{};
    }

    void ClickCell(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
        const QModelIndex index = Grid()->model()->index(row - 1, col - 1);
        Grid()->scrollTo(index);
        Click(Grid()->viewport(), button, Qt::NoModifier, Grid()->visualRect(index).center());
    }

    // A click; the right button also asks for the context menu on the press,
    // as the window system does.
    static void Click(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                      QPoint at) {
        QTest::mousePress(widget, button, modifiers, at);
        if (button == Qt::RightButton) {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at),
                                   modifiers);
            QApplication::sendEvent(widget, &menu);
        }
        QTest::mouseRelease(widget, button, modifiers, at);
    }

    void ClickLabel(int row, Qt::KeyboardModifiers modifiers,
                    Qt::MouseButton button = Qt::LeftButton) {
        QHeaderView* labels = Grid()->verticalHeader();
        Grid()->scrollTo(Grid()->model()->index(row - 1, 0));
        const int y = labels->sectionViewportPosition(row - 1) + labels->sectionSize(row - 1) / 2;
        Click(labels->viewport(), button, modifiers, QPoint(labels->width() / 2, y));
    }

    void TriggerMenuItem(int id) {
        for (QMenu* menu : Frame().CurrentMenus()) {
            for (QAction* action : menu->actions()) {
                if (action->data().toInt() == id) {
                    action->trigger();
                    return;
                }
            }
        }
        QFAIL("no menu item");
    }

    StartedProgram m_program;
};
