// Every window the program sizes itself, at its first size or at a size
// remembered from a larger screen, opens inside the available area of its
// screen, whole. CTest runs it on a 1024 x 768 screen, at the scale factors
// of the desktop.

#include "dialogs/compare_dialog.h"
#include "dialogs/radio_history_dialog.h"
#include "shell/help_window.h"
#include "transfer/clone_station_dialog.h"
#include "ui/list_message_box.h"
#include "ui/user_store.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace {

const std::string kAppName = "FitTest";

// As many differences as a document full of changes shows.
std::vector<compare::Difference> ManyDifferences() {
    std::vector<compare::Difference> found(300);
    for (std::size_t i = 0; i < found.size(); ++i) {
        found[i].kind = compare::DifferenceKind::Bytes;
        found[i].first = std::to_string(i);
        found[i].second = std::to_string(i + 1);
    }
    return found;
}

using MakeWindow = std::function<std::unique_ptr<QWidget>(const QString& folder)>;

} // namespace

Q_DECLARE_METATYPE(MakeWindow)

class WindowsFitTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_store;

private slots:
    void initTestCase() {
        QVERIFY(m_store.isValid());
        UserStore::SetBaseDirectory(m_store.path());
    }

    void windowOpensWholeOnScreen_data() {
        QTest::addColumn<QSize>("remembered"); // the Compare size kept from before; none if empty
        QTest::addColumn<MakeWindow>("make");
        const MakeWindow compare = [](const QString&) {
            return std::make_unique<CCompareDlg>(
                ManyDifferences(), QStringLiteral("other.dat"),
                [](const compare::Difference& d) { return QString::fromStdString(d.first); },
                kAppName);
        };
        QTest::newRow("Compare With, first size") << QSize() << compare;
        QTest::newRow("Compare With, remembered size") << QSize(1400, 1100) << compare;
        QTest::newRow("Help") << QSize() << MakeWindow([](const QString& folder) {
            return std::make_unique<CHelpWindow>(folder + QStringLiteral("/none.qch"));
        });
        QTest::newRow("Clone Station") << QSize() << MakeWindow([](const QString& folder) {
            CloneStationSetup setup;
            setup.ports = [] { return std::vector<PortChoice>{}; };
            setup.logPath = folder + QStringLiteral("/clone.log");
            setup.historyFolder = folder;
            return std::make_unique<CCloneStationDlg>(std::move(setup));
        });
        QTest::newRow("Radio history") << QSize() << MakeWindow([](const QString& folder) {
            return std::make_unique<CRadioHistoryDlg>(folder, CRadioHistoryDlg::Purpose::Open,
                                                      kAppName);
        });
        QTest::newRow("Import summary") << QSize() << MakeWindow([](const QString&) {
            QStringList lines;
            for (int i = 0; i < 200; ++i) {
                lines << QStringLiteral("Line %1: a value the channel cannot take").arg(i);
            }
            return std::make_unique<ListMessageBox>(QPixmap(), QStringLiteral("Import"),
                                                    QStringLiteral("Some lines were skipped."),
                                                    lines, QDialogButtonBox::Ok);
        });
    }
    void windowOpensWholeOnScreen() {
        QFETCH(QSize, remembered);
        QFETCH(MakeWindow, make);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(UserStore::WriteDialogSize(kAppName, QStringLiteral("Compare"), remembered));
        std::unique_ptr<QWidget> window = make(folder.path());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QRect room = window->screen()->availableGeometry();
        const QSize least = window->minimumSizeHint();
        QVERIFY2(room.contains(window->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3 x %4 on %5 x %6")
                                .arg(window->frameGeometry().x())
                                .arg(window->frameGeometry().y())
                                .arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())
                                .arg(room.width())
                                .arg(room.height())));
        // Whole: nothing squeezed below what its layout needs.
        QVERIFY(window->width() >= least.width() && window->height() >= least.height());
    }
};

QTEST_MAIN(WindowsFitTest)
#include "windows_fit_test.moc"
