// The About box takes its texts from the language section and its picture
// from "title.ico"; the template's own texts never show.

#include "dialogs/about_dialog.h"
#include "settings/program_context.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <memory>

class AboutDlgTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ProgramContext> m_context;

    void loadSettings(const std::string& language, const std::string& text) {
        const std::string path = m_dir.filePath(QStringLiteral("Program.ini")).toStdString();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        m_context->Profile().Load(path, false, true, false);
        m_context->strLanguage = language;
        m_context->strAppDir = m_dir.path().toStdString() + "/";
    }

    static QString labelText(const CAboutDlg& dialog, const char* id) {
        const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(id));
        return label ? label->text() : QStringLiteral("<no control>");
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_context = std::make_unique<ProgramContext>();
    }
    void cleanup() {
        m_context.reset();
        QFile::remove(m_dir.filePath(QStringLiteral("title.ico")));
    }

    void textsComeFromTheLanguageSection() {
        loadSettings("English", "[English]\nAbout Title=About It\nVersion=It 2.5\n"
                                "Copyrights=(C) 2026\nCopyrights Owner=Us\n"
                                "[Chinese]\nAbout Title=x\n");
        const CAboutDlg dialog(*m_context);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About It"));
        QCOMPARE(labelText(dialog, "1098"), QStringLiteral("It 2.5"));
        QCOMPARE(labelText(dialog, "1099"), QStringLiteral("(C) 2026"));
        QCOMPARE(labelText(dialog, "1100"), QStringLiteral("Us"));
        QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("1")));
    }

    void chineseTextsInUtf8OrGbk() {
        // "关于" in UTF-8 and "版本" in GBK, side by side in one file.
        loadSettings("Chinese", "[Chinese]\nAbout Title=\xe5\x85\xb3\xe4\xba\x8e\n"
                                "Version=\xb0\xe6\xb1\xbe\n");
        const CAboutDlg dialog(*m_context);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("关于"));
        QCOMPARE(labelText(dialog, "1098"), QStringLiteral("版本"));
    }

    void missingValuesReplaceTheTemplateWithEmptyTexts() {
        loadSettings("English", "[English]\nCompany=x\n");
        const CAboutDlg dialog(*m_context);
        QCOMPARE(dialog.windowTitle(), QString());
        QCOMPARE(labelText(dialog, "1098"), QString());
        QCOMPARE(labelText(dialog, "1099"), QString());
        QCOMPARE(labelText(dialog, "1100"), QString());
    }

    void iconFromTitleIcoAtItsOwnSize() {
        loadSettings("English", "");
        const CAboutDlg without(*m_context);
        const QSize templateSize =
            without.findChild<QLabel*>(QStringLiteral("1096"))->pixmap().size();

        QImage picture(48, 48, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(m_dir.filePath(QStringLiteral("title.ico")), "ICO"));
        const CAboutDlg with(*m_context);
        const QPixmap shown = with.findChild<QLabel*>(QStringLiteral("1096"))->pixmap();
        QCOMPARE(shown.size(), QSize(48, 48));
        QCOMPARE(shown.toImage().pixelColor(10, 10), QColor(Qt::red));
        QVERIFY(templateSize != QSize(48, 48));
    }
};

QTEST_MAIN(AboutDlgTest)
#include "about_dialog_test.moc"
