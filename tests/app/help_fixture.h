#pragma once
// What the help tests share: the help files built beside the program, one
// of them opened through a collection of its own, and a program started for
// each test with the help files copied beside it and the topic its help
// window shows.

#include "model/image_compare.h"
#include "shell/help_window.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "tests/app/app_fixture.h"

#include <QDir>
#include <QFile>
#include <QHelpEngineCore>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

// The place of a difference in a Compare With list that shows none.
inline QString NoPlace(const compare::Difference& /*difference*/) {
    return {};
}

inline const char* const kHelpFiles[] = {"enHelp.qch", "chHelp.qch"};

inline QString BuiltHelpFile(const char* name) {
    return QDir(QStringLiteral(PROGRAM_BIN_DIR)).filePath(QString::fromLatin1(name));
}

// One help file, opened through a collection of its own.
class HelpFile {
public:
    explicit HelpFile(const QString& path)
        : m_engine(m_dir.filePath(QStringLiteral("check.qhc"))),
          m_namespace(QHelpEngineCore::namespaceName(path)) {
        m_engine.setReadOnly(false);
        m_engine.setupData();
        m_engine.registerDocumentation(path);
    }

    bool IsOpen() const { return !m_namespace.isEmpty(); }

    // The topic "page.html#anchor" exists: the page, and in it the anchor.
    bool HasTopic(const QString& topic) const {
        const QString page = topic.section(QLatin1Char('#'), 0, 0);
        const QString anchor = topic.section(QLatin1Char('#'), 1);
        const QByteArray html =
            m_engine.fileData(QUrl(QStringLiteral("qthelp://%1/doc/%2").arg(m_namespace, page)));
        return !html.isEmpty() && (anchor.isEmpty() ||
                                   html.contains(QStringLiteral("id=\"%1\"").arg(anchor).toUtf8()));
    }

private:
    QTemporaryDir m_dir;
    QHelpEngineCore m_engine;
    QString m_namespace;
};

class HelpFixture : public QObject {
protected:
    void stopProgram() { m_program.Stop(); }

    CMainFrame& Frame() const { return m_program.Frame(); }

    // Copies the built help files beside the started program.
    void CopyHelpFiles() const {
        for (const char* name : kHelpFiles) {
            QVERIFY(QFile::copy(BuiltHelpFile(name),
                                m_program.Dir().FilePath(QString::fromLatin1(name))));
        }
    }

    // The page (and anchor) the help window of file shows.
    QString ShownTopic(const char* file) const {
        CHelpWindow* window = m_program.App().Help().Window(file);
        if (!window || !window->isVisible()) {
            return {};
        }
        const QUrl source = window->Browser()->source();
        const QString page = source.path().section(QLatin1Char('/'), -1);
        return source.hasFragment() ? page + QLatin1Char('#') + source.fragment() : page;
    }

    StartedProgram m_program;
};
