// The Radio History dialog over a real history folder.

#include "dialogs/radio_history_dialog.h"
#include "model/program_document.h"
#include "model/read_history.h"
#include "ui/file_dialogs.h"
#include "ui/user_store.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class HistoryDialogsTest : public QObject {
    Q_OBJECT

private:
    // Keeps two reads in folder: an empty radio, then one with a changed
    // band code, a second apart; returns their paths, oldest first.
    static QStringList KeepTwoReads(const QString& folder) {
        QStringList paths;
        RadioImage image;
        FillNewDocumentImage(image, kDefaultBandCode);
        const auto start = history::Clock::now();
        for (int i = 0; i < 2; ++i) {
            if (i == 1) {
                image[layout::kBandCode + 4] = 0x52;
            }
            std::string saved;
            if (!history::SaveRead(QFile::encodeName(folder).toStdString(), image,
                                   start + std::chrono::seconds(i), saved)
                     .Ok()) {
                return {};
            }
            paths << QFile::decodeName(saved.c_str());
        }
        return paths;
    }

private slots:
    void listsTheReadsNewestFirstAndOpensTheSelectedOne() {
        QTemporaryDir dir;
        const QStringList paths = KeepTwoReads(dir.path());
        QCOMPARE(paths.size(), 2);
        CRadioHistoryDlg dialog(dir.path(), CRadioHistoryDlg::Purpose::Open, {});
        QTableWidget* table = dialog.Table();
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("136-174, 400-520 MHz"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("136-174, 400-480 MHz"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("0"));
        QVERIFY(table->item(0, 0)->text() > table->item(1, 0)->text());
        QCOMPARE(dialog.FileButton(), nullptr);
        QVERIFY(!dialog.EmptyNote()->isVisibleTo(&dialog));
        // The newest is selected at first; without a selection there is nothing to open.
        QVERIFY(dialog.ChooseButton()->isEnabled());
        QCOMPARE(table->currentRow(), 0);
        table->clearSelection();
        QVERIFY(!dialog.ChooseButton()->isEnabled());
        table->selectRow(1);
        QVERIFY(dialog.ChooseButton()->isEnabled());
        dialog.ChooseButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.ChosenPath(), paths[0]);
    }

    void anEmptyHistorySaysSo() {
        QTemporaryDir dir;
        CRadioHistoryDlg dialog(dir.filePath(QStringLiteral("none")),
                                CRadioHistoryDlg::Purpose::Open, {});
        QCOMPARE(dialog.Table()->rowCount(), 0);
        QVERIFY(dialog.EmptyNote()->isVisibleTo(&dialog));
        QVERIFY(!dialog.ChooseButton()->isEnabled());
    }

    void compareAlsoTakesAnotherFile() {
        QTemporaryDir dir;
        CRadioHistoryDlg dialog(dir.path(), CRadioHistoryDlg::Purpose::Compare, {});
        QVERIFY(dialog.FileButton() != nullptr);
        // The file dialog opens in the folder last used, which the file
        // chosen then replaces.
        UserStore::SetBaseDirectory(dir.filePath(QStringLiteral("user")));
        const QString other = dir.filePath(QStringLiteral("other.dat"));
        QStringList answers{QString(), other};
        QStringList openedIn;
        FileDialogs::SetHandler([&](const FileDialogRequest& request, QString*) {
            openedIn << request.start;
            return answers.takeFirst();
        });
        const auto restore = qScopeGuard([] { FileDialogs::SetHandler({}); });
        const QString before = FileDialogs::StartPath({});
        // Cancelling the file choice keeps the dialog open.
        dialog.FileButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.ChosenPath().isEmpty());
        dialog.FileButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.ChosenPath(), other);
        QCOMPARE(openedIn, (QStringList{before, before}));
        QCOMPARE(FileDialogs::StartPath({}), dir.path());
    }
};

QTEST_MAIN(HistoryDialogsTest)
#include "history_dialogs_test.moc"
