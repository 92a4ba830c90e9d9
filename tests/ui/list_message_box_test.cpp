// The message box that lists lines, on screen: every line is in its list
// (none folded into a count), the list scrolls when they do not fit, Copy
// puts the text and every line on the clipboard without closing the box,
// and its buttons answer through the message service.

#include "ui/list_message_box.h"
#include "ui/message_service.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

class ListMessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void listsEveryLineAndCopiesThem() {
        QStringList lines;
        for (int row = 1; row <= 40; ++row) {
            lines << QStringLiteral("Row %1: Rx Frequency: refused").arg(row);
        }
        ListMessageBox box(QPixmap(), QStringLiteral("Program"),
                           QStringLiteral("Pasted cells refused: 40."), lines,
                           QDialogButtonBox::Ok);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.List()->toPlainText().split(QLatin1Char('\n')), lines);
        QVERIFY(box.List()->isReadOnly());
        QVERIFY(box.List()->verticalScrollBar()->maximum() > 0);
        QApplication::clipboard()->clear();
        QTest::mouseClick(box.CopyButton(), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("Pasted cells refused: 40.\n\n") + lines.join(QLatin1Char('\n')) +
                     QLatin1Char('\n'));
        QVERIFY(box.isVisible());
    }

    void answersThroughTheMessageService_data() {
        QTest::addColumn<int>("button"); // 0: Escape
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("OK") << int(QDialogButtonBox::Ok) << MessageAnswer::Ok;
        QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << MessageAnswer::Cancel;
        QTest::newRow("Escape") << 0 << MessageAnswer::Cancel;
    }

    void answersThroughTheMessageService() {
        QFETCH(int, button);
        QFETCH(MessageAnswer, answer);
        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<ListMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = true;
            QCOMPARE(box->List()->toPlainText(), QStringLiteral("line 3: refused\nline 9: refused"));
            if (button == 0) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                auto* buttons = box->findChild<QDialogButtonBox*>();
                QTest::mouseClick(
                    buttons->button(static_cast<QDialogButtonBox::StandardButton>(button)),
                    Qt::LeftButton);
            }
        });
        QCOMPARE(MessageService::ShowList(nullptr, QStringLiteral("Import channels?"),
                                          {QStringLiteral("line 3: refused"),
                                           QStringLiteral("line 9: refused")},
                                          MessageButtons::OkCancel, MessageIcon::Question),
                 answer);
        QVERIFY(shown);
    }
};

QTEST_MAIN(ListMessageBoxTest)
#include "list_message_box_test.moc"
