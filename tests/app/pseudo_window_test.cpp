// The window in the pseudo-language (every text of the catalogue shown as
// "[[text]]"): the menus and a sample of dialogs show no word that did not
// come from the catalogue (the radio's list words are values).

#include "dialogs/cell_edit_grid.h"
#include "dialogs/dtmf_dialog.h"
#include "dialogs/key_assignment_dialog.h"
#include "dialogs/language_dialog.h"
#include "dialogs/msk_dialog.h"
#include "dialogs/optional_features_dialog.h"
#include "dialogs/two_tone_dialog.h"
#include "shell/main_frame.h"
#include "tests/app/app_fixture.h"
#include "tests/texts/test_catalogues.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>

namespace {

// Each text that escaped the catalogue, with where it stood. The words of
// the radio's lists (a Choice field's buttons) are values.
void Escaped(const QString& where, const QString& text, QStringList& escaped) {
    const std::string rest = Unmarked(text.toStdString());
    if (HasLetters(rest) && !IsListWord(rest)) {
        escaped << where + QStringLiteral(": ") + text;
    }
}

void MenuTexts(const QMenu& menu, QStringList& escaped) {
    Escaped(QStringLiteral("menu"), menu.title(), escaped);
    for (const QAction* action : menu.actions()) {
        if (action->menu() != nullptr) {
            MenuTexts(*action->menu(), escaped);
        } else if (!action->isSeparator()) {
            // After a tab: the command's keys, names of keys and no text.
            const QString text = action->text().remove(QRegularExpression("(\\t|  ).*$"));
            Escaped(menu.title(), text, escaped);
        }
    }
}

// The window title and what its labels, buttons, group boxes, tabs and
// grid headers show.
QStringList DialogEscapes(const QWidget& dialog) {
    QStringList escaped;
    Escaped(QStringLiteral("title"), dialog.windowTitle(), escaped);
    for (const QTabWidget* tabs : dialog.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            Escaped(QStringLiteral("tab"), tabs->tabText(i), escaped);
        }
    }
    // A cell grid's first row holds its headers.
    for (const CellEditGrid* grid : dialog.findChildren<CellEditGrid*>()) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            if (const QTableWidgetItem* header = grid->item(0, column)) {
                Escaped(QStringLiteral("header"), header->text(), escaped);
            }
        }
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        Escaped(QStringLiteral("label"), label->text(), escaped);
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        Escaped(QStringLiteral("button"), button->text(), escaped);
    }
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
        Escaped(QStringLiteral("group"), box->title(), escaped);
    }
    return escaped;
}

} // namespace

class PseudoWindowTest : public QObject {
    Q_OBJECT
private slots:
    void menusAndDialogsShowOnlyCatalogueTexts();
};

void PseudoWindowTest::menusAndDialogsShowOnlyCatalogueTexts() {
    ProgramDirFixture dir;
    dir.WriteSettings("[Setup]\r\nLanguage=Pseudo\r\nAppName=TestProgram\r\n"
                      "Type1=VHF\r\nType2=UHF\r\nType3=UHF2\r\nShowSignalling=1\r\n");
    QVERIFY(QFile::copy(QString::fromStdString(PseudoSetPath()), dir.FilePath("Pseudo.qm")));
    StartupOptions options;
    options.programDir = dir.Dir();
    options.splash = false;
    options.showWindow = false;
    CProgramApp app;
    QVERIFY(app.InitInstance(options));

    QStringList escaped;
    for (const QMenu* menu : app.MainFrame()->MenusWithDocument()) {
        MenuTexts(*menu, escaped);
    }
    COptionalFeaturesDlg optional;
    CKeyAssignDlg keys;
    CLanguageDlg language;
    CDtmfDlg dtmf;
    CMskDlg msk;
    CTwoToneDlg twoTone;
    for (const QWidget* dialog : std::initializer_list<const QWidget*>{
             &optional, &keys, &language, &dtmf, &msk, &twoTone}) {
        escaped << DialogEscapes(*dialog);
    }
    // The Language dialog names each language in its own script.
    escaped.removeAll(QStringLiteral("button: English"));
    // The sample is not empty: the menus' own texts are marked.
    QVERIFY(app.MainFrame()->MenusWithDocument().front()->title().startsWith(QStringLiteral("[[")));
    QVERIFY2(escaped.isEmpty(), qPrintable(escaped.join(QLatin1Char('\n'))));
    app.ExitInstance();
}

QTEST_MAIN(PseudoWindowTest)
#include "pseudo_window_test.moc"
