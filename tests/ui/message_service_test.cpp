// The message service on screen: every kind of box shows its kind's icon
// (an error the critical one, a caution the warning, a result the
// information, a question the question), whether the box is a plain message
// box or one that lists lines.

#include "ui/list_message_box.h"
#include "ui/message_service.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class MessageServiceTest : public QObject {
    Q_OBJECT

private slots:
    void everyKindShowsItsIcon_data() {
        QTest::addColumn<MessageIcon>("kind");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("listed");
        const std::pair<const char*, std::pair<MessageIcon, QMessageBox::Icon>> kinds[] = {
            {"error", {MessageIcon::Stop, QMessageBox::Critical}},
            {"caution", {MessageIcon::Exclamation, QMessageBox::Warning}},
            {"result", {MessageIcon::Information, QMessageBox::Information}},
            {"question", {MessageIcon::Question, QMessageBox::Question}},
        };
        for (const auto& [name, kind] : kinds) {
            for (const bool listed : {false, true}) {
                QTest::addRow("%s%s", name, listed ? ", listed" : "")
                    << kind.first << int(kind.second) << listed;
            }
        }
    }

    void everyKindShowsItsIcon() {
        QFETCH(MessageIcon, kind);
        QFETCH(int, icon);
        QFETCH(bool, listed);
        QMessageBox reference;
        reference.setIcon(static_cast<QMessageBox::Icon>(icon));
        const QImage expected = reference.iconPixmap().toImage();
        QVERIFY(!expected.isNull());
        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            shown = true;
            if (auto* message = qobject_cast<QMessageBox*>(box)) {
                QCOMPARE(int(message->icon()), icon);
            } else {
                QVERIFY(qobject_cast<ListMessageBox*>(box));
                bool found = false;
                for (const QLabel* label : box->findChildren<QLabel*>()) {
                    found = found || label->pixmap().toImage() == expected;
                }
                QVERIFY(found);
            }
            box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        const QString text = QStringLiteral("Something happened.");
        const MessageAnswer answer =
            listed ? MessageService::ShowList(nullptr, text, {QStringLiteral("line 1")},
                                              MessageButtons::Ok, kind)
                   : MessageService::Show(nullptr, text, MessageButtons::Ok, kind);
        QVERIFY(shown);
        QVERIFY(answer == MessageAnswer::Ok);
    }
};

QTEST_MAIN(MessageServiceTest)
#include "message_service_test.moc"
