#pragma once
// What the settings dialog tests share: a new document's image, the
// whole-image comparison against the bytes a dialog owns, running a dialog
// modally with actions inside its event loop, finding controls by id, and a
// recorder of help requests.

#include "model/program_document.h"
#include "model/radio_image.h"
#include "ui/help_service.h"

#include <QDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <map>
#include <string>
#include <vector>

inline RadioImage NewImage() {
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    return image;
}

// Offset -> bits a dialog may change.
using Owned = std::map<std::size_t, std::uint8_t>;

inline void OwnRange(Owned& owned, std::size_t first, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        owned[first + i] = 0xFF;
    }
}

// True when nothing outside the owned bits changed; names the first offset
// that did.
inline bool OnlyOwnedChanged(const RadioImage& before, const RadioImage& after,
                             const Owned& owned) {
    for (std::size_t i = 0; i < RadioImage::size(); ++i) {
        const auto it = owned.find(i);
        const std::uint8_t mask = it == owned.end() ? 0 : it->second;
        if (((before[i] ^ after[i]) & ~mask) != 0) {
            qWarning("offset 0x%zx changed from 0x%02x to 0x%02x", i, before[i], after[i]);
            return false;
        }
    }
    return true;
}

// Runs the dialog modally; actions run inside its event loop. The dialog is
// ended (rejected) after them if they did not end it, also when a check in
// them failed.
template <typename Dialog>
int RunWith(Dialog& dialog, RadioImage& image, std::function<void()> actions) {
    QTimer::singleShot(0, &dialog, [&dialog, actions = std::move(actions)] {
        const auto end = qScopeGuard([&dialog] {
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        actions();
    });
    return dialog.DoModal(image);
}

template <typename T> T* Control(const QWidget* root, int id) {
    return root->findChild<T*>(QString::number(id));
}

inline void ClickOk(QDialog& dialog) {
    QTest::mouseClick(Control<QPushButton>(&dialog, 1), Qt::LeftButton);
}
inline void ClickCancel(QDialog& dialog) {
    QTest::mouseClick(Control<QPushButton>(&dialog, 2), Qt::LeftButton);
}
// Escape with the focus on the tab bar: it reaches the dialog itself, not a
// page's key filter.
inline void PressEscapeOnTabs(QTabWidget* tabs) {
    QTabBar* bar = tabs->tabBar();
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Escape);
}

// Records the help requests.
struct HelpRecorder {
    HelpRecorder() {
        HelpService::SetHandler([this](HelpCommand command, int data, const std::string& file) {
            QCOMPARE(command, HelpCommand::HelpContext);
            contexts.push_back(data);
            files.push_back(file);
        });
    }
    ~HelpRecorder() { HelpService::SetHandler({}); }
    HelpRecorder(const HelpRecorder&) = delete;
    HelpRecorder& operator=(const HelpRecorder&) = delete;
    std::vector<int> contexts;
    std::vector<std::string> files;
};
