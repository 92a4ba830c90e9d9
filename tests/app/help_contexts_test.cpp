// Every context number any window can ask for lands on a page of both help
// files (at the field's anchor where the row names one), and the look-up
// falls back to the dialog's page, then to the contents.

#include "dialogs/compare_dialog.h"
#include "dialogs/dtmf_dialog.h"
#include "dialogs/key_assignment_dialog.h"
#include "dialogs/language_dialog.h"
#include "dialogs/msk_dialog.h"
#include "dialogs/optional_features_dialog.h"
#include "dialogs/product_info_dialog.h"
#include "dialogs/radio_history_dialog.h"
#include "dialogs/squelch_tuning_dialog.h"
#include "dialogs/two_tone_dialog.h"
#include "grid/channel_grid.h"
#include "help_ui/help_topics.h"
#include "print/print_list_dialog.h"
#include "session/document_session.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/command_table.h"
#include "shell/compare_places.h"
#include "tests/app/help_fixture.h"
#include "tests/ui/dialog_test_support.h"
#include "transfer/clone_station_dialog.h"
#include "transfer/port_setting_dialog.h"
#include "transfer/process_dialog.h"
#include "ui/field_binding.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchResult>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include <QTest>
#include <memory>
#include <set>

namespace {

constexpr int kMain = kMainWindowHelp;

// A context some window can ask for, and what asks for it.
struct Asked {
    int window;
    int context;
    QString what;
    bool operator<(const Asked& other) const {
        return std::pair(window, context) < std::pair(other.window, other.context);
    }
};

// Every control id at or below root, asked for from window.
void AddControls(const QWidget* root, int window, std::set<Asked>& asked) {
    QList<const QWidget*> widgets{root};
    for (const QWidget* child : root->findChildren<QWidget*>()) {
        widgets << child;
    }
    for (const QWidget* widget : widgets) {
        // A window of its own asks as itself (the transfer window).
        if (widget->window() != root->window()) {
            continue;
        }
        if (const QVariant id = widget->property(kControlIdProperty); id.isValid()) {
            asked.insert({window, id.toInt(),
                          QStringLiteral("%1 %2 in %3")
                              .arg(QString::fromLatin1(widget->metaObject()->className()),
                                   widget->objectName(),
                                   QString::fromLatin1(root->metaObject()->className()))});
        }
    }
}

// A dialog opened on a new image, so that pages made at the opening exist.
// args: what the dialog is made with besides its parent.
template <typename Dialog, typename... Args>
void AddBoundDialog(std::set<Asked>& asked, Args&... args) {
    RadioImage image = NewImage();
    Dialog dialog(args...);
    dialog.OnInitDialog(image);
    AddControls(&dialog, binding::ControlIdOf(&dialog), asked);
}

} // namespace

class HelpContextsTest : public HelpFixture {
    Q_OBJECT

private slots:
    void cleanup() { stopProgram(); }

    void everyContextLandsOnATopicOfBothFiles() {
        m_program.Start("ShowLang=1\r\nShowSignalling=1\r\n");
        std::set<Asked> asked;
        // The main window: every command (F1 on its menu item), its own
        // help, every control in it and the channel grid's numbers.
        for (const Command& command : CommandTable()) {
            asked.insert({kMain, command.id, QStringLiteral("command")});
        }
        for (int menu : {128, 129}) {
            asked.insert({kMain, 0x10000 + menu, QStringLiteral("main window")});
        }
        AddControls(&Frame(), kMain, asked);
        for (int context : {kHelpRxFrequency, kHelpTxFrequency, kHelpDecodeTone, kHelpEncodeTone}) {
            asked.insert({kMain, context, QStringLiteral("grid column")});
        }
        // The dialogs, with the numbers their buttons are remapped to.
        AddBoundDialog<CProductInfoDlg>(asked, Frame().Context());
        AddBoundDialog<COptionalFeaturesDlg>(asked);
        AddBoundDialog<CDtmfDlg>(asked);
        AddBoundDialog<CTwoToneDlg>(asked);
        AddBoundDialog<CMskDlg>(asked);
        AddBoundDialog<CKeyAssignDlg>(asked);
        AddBoundDialog<CSquelchTuningDlg>(asked, Frame().Context());
        asked.insert(
            {CKeyAssignDlg::kDialogId, CKeyAssignDlg::kCommandId, QStringLiteral("remap")});
        const CLanguageDlg language;
        AddControls(&language, CLanguageDlg::kDialogId, asked);
        asked.insert({CLanguageDlg::kDialogId, CLanguageDlg::kCommandId, QStringLiteral("remap")});
        const CPortSettingDlg port(Frame().Context());
        AddControls(&port, binding::ControlIdOf(&port), asked);
        const CProcessDlg process(SourceTexts(), &Frame());
        AddControls(&process, binding::ControlIdOf(&process), asked);
        const CPrintListDlg printList;
        AddControls(&printList, binding::ControlIdOf(&printList), asked);
        // Compare With's choice shows the Other File button beside the list.
        const QTemporaryDir noReads;
        const CRadioHistoryDlg history(noReads.path(), CRadioHistoryDlg::Purpose::Compare, {});
        AddControls(&history, binding::ControlIdOf(&history), asked);
        const CCompareDlg compare({}, QStringLiteral("other.dat"), NoPlace, "");
        AddControls(&compare, binding::ControlIdOf(&compare), asked);
        CloneStationSetup cloneSetup;
        cloneSetup.ports = [] { return std::vector<PortChoice>{}; };
        const CCloneStationDlg cloneStation(cloneSetup);
        AddControls(&cloneStation, binding::ControlIdOf(&cloneStation), asked);
        QVERIFY(asked.size() > 200);

        QStringList missing;
        std::set<QString> topics;
        for (const Asked& request : asked) {
            if (const char* topic = FindHelpTopic(request.window, request.context)) {
                topics.insert(QString::fromLatin1(topic));
            } else {
                missing << QStringLiteral("%1/%2 (%3)")
                               .arg(request.window)
                               .arg(request.context)
                               .arg(request.what);
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));

        // Every topic of the table exists in both files.
        for (const HelpTopicRow& row : HelpTopicTable()) {
            topics.insert(QString::fromLatin1(row.topic));
        }
        topics.insert(QString::fromLatin1(kHelpContentsPage));
        // The sections on a cable's port on Linux, which other pages link to.
        for (const char* section : {"port-on-linux", "modem-manager", "brltty", "dialout"}) {
            topics.insert(QStringLiteral("troubleshooting.html#") + QString::fromLatin1(section));
        }
        for (const char* name : kHelpFiles) {
            const HelpFile file(BuiltHelpFile(name));
            QVERIFY2(file.IsOpen(), name);
            for (const QString& topic : topics) {
                QVERIFY2(file.HasTopic(topic),
                         qPrintable(QString::fromLatin1(name) + QLatin1Char(' ') + topic));
            }
        }
    }

    void theLookUpFallsBackToTheDialogThenToTheContents_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("topic");
        // The same control id in two dialogs lands in each dialog's own page.
        QTest::newRow("step list in Optional Features")
            << 133 << 1124 << "optional-features.html#step";
        QTest::newRow("group code list in DTMF") << 141 << 1124 << "dtmf.html#group-code";
        QTest::newRow("port COM16") << 204 << 1022 << "port-setting.html#ports";
        QTest::newRow("channel grid") << kMain << 1022 << "channel-grid.html";
        QTest::newRow("unknown control of a dialog") << 203 << 4242 << "squelch-tuning.html";
        QTest::newRow("Select All in PrintList") << 205 << 1279 << "printing.html#select-all";
        QTest::newRow("Other File in the history")
            << 206 << 1301 << "restore-points.html#other-file";
        QTest::newRow("unknown control of Compare")
            << 207 << 4242 << "restore-points.html#compare-with";
        QTest::newRow("unknown window") << 999 << 1124 << "index.html";
        QTest::newRow("unknown number of the main window") << kMain << 4242 << "index.html";
    }

    void theLookUpFallsBackToTheDialogThenToTheContents() {
        QFETCH(int, window);
        QFETCH(int, context);
        QFETCH(QString, topic);
        QCOMPARE(QString::fromLatin1(HelpTopicFor(window, context)), topic);
    }
};

QTEST_MAIN(HelpContextsTest)
#include "help_contexts_test.moc"
