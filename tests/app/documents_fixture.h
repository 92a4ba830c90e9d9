#pragma once
// What the documents tests share: the program started in-process on a
// fixture directory of its own for each test, and a settings dialog
// stand-in that changes the image.

#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"
#include "ui/image_dialog.h"

#include <QObject>
#include <QString>
#include <QTest>

#include <cstdint>
#include <memory>

// A settings dialog stand-in: "running" it applies a change to the image it
// is given.
class ChangingDialog : public ImageDialog {
public:
    ChangingDialog(QWidget* parent, std::uint8_t value) : ImageDialog(parent), m_value(value) {}
    int DoModal(RadioImage& image) override {
        image[0x1263] = m_value;
        return Accepted;
    }

private:
    std::uint8_t m_value;
};

class DocumentsFixture : public QObject {
protected:
    // Before each test: the program started, with nothing to tell.
    void startProgram() {
        m_dir = std::make_unique<ProgramDirFixture>();
        m_app = std::make_unique<CProgramApp>();
        QVERIFY(StartProgram(*m_app, *m_dir));
        QCOMPARE(m_dir->Messages().size(), std::size_t{0});
    }
    void endProgram() {
        m_app->ExitInstance();
        m_app.reset();
        m_dir.reset();
    }

    CMainFrame& Frame() { return *m_app->MainFrame(); }

    std::unique_ptr<ProgramDirFixture> m_dir;
    std::unique_ptr<CProgramApp> m_app;
};
