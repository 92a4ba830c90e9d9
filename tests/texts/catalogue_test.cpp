// Every text the code marks has its Chinese wording in translations/, the
// pseudo-language marks every text of the catalogue, and a language's
// catalogue is read from its set beside the program.

#include "model/text_catalogue.h"
#include "texts_qt/qt_catalogue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>
#include <string>
#include <tuple>

namespace {

// (context, source, disambiguation) -> translation of a .ts file.
using Messages = std::map<std::tuple<std::string, std::string, std::string>, std::string>;

void ReadTs(const QString& path, Messages& messages) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::string context, source, comment;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText().toStdString();
        } else if (xml.name() == u"source") {
            source = xml.readElementText().toStdString();
            comment.clear();
        } else if (xml.name() == u"comment") {
            comment = xml.readElementText().toStdString();
        } else if (xml.name() == u"translation") {
            messages[{context, source, comment}] = xml.readElementText().toStdString();
        }
    }
    ASSERT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
}

// The texts lupdate finds marked in the program's folders.
Messages MarkedTexts(const QTemporaryDir& scratch) {
    const QString found = scratch.filePath(QStringLiteral("found.ts"));
    QStringList args{QStringLiteral("-silent"), QStringLiteral("-locations"),
                     QStringLiteral("none"), QStringLiteral("-tr-function-alias"),
                     QStringLiteral(PROGRAM_LUPDATE_ALIASES)};
    for (const QString& folder : QStringLiteral(PROGRAM_SOURCE_FOLDERS).split(u',')) {
        args << QStringLiteral(PROGRAM_SOURCE_DIR "/") + folder;
    }
    args << QStringLiteral("-ts") << found;
    // lupdate reads each file alone and warns of what it cannot resolve
    // without the headers; only a failed run is shown.
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(PROGRAM_LUPDATE), args);
    EXPECT_TRUE(lupdate.waitForFinished(120000));
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();
    Messages messages;
    ReadTs(found, messages);
    return messages;
}

TEST(Catalogue, EveryMarkedTextHasItsChineseWording) {
    const QTemporaryDir scratch;
    const Messages marked = MarkedTexts(scratch);
    Messages chinese;
    const QDir folder(QStringLiteral(PROGRAM_SOURCE_DIR "/translations"));
    for (const QString& name : folder.entryList({QStringLiteral("Chinese_*.ts")})) {
        ReadTs(folder.filePath(name), chinese);
    }
    // The marks of the link layer stand for all others: lupdate must see them.
    EXPECT_TRUE(marked.contains({"LinkMessages", "Band type error", ""}));
    for (const auto& [key, unused] : marked) {
        const auto it = chinese.find(key);
        const auto& [context, source, comment] = key;
        EXPECT_TRUE(it != chinese.end() && !it->second.empty())
            << "no Chinese wording for [" << context << "] \"" << source << "\" " << comment;
    }
}

TEST(Catalogue, EachLanguageReadsItsSet) {
    const QtCatalogue chinese(QStringLiteral(PROGRAM_BIN_DIR), "Chinese");
    ASSERT_TRUE(chinese.Loaded());
    EXPECT_TRUE(chinese.bChinese());
    EXPECT_EQ(chinese.Tr(TEXT_ID("LinkMessages", "Band type error")), "频宽类型错误");
    // A text the set lacks stays in its source wording.
    EXPECT_EQ(chinese.Tr("LinkMessages", "no such text"), "no such text");

    const QtCatalogue english(QStringLiteral(PROGRAM_BIN_DIR), "English");
    ASSERT_TRUE(english.Loaded());
    EXPECT_FALSE(english.bChinese());
    EXPECT_EQ(english.Tr("LinkMessages", "Band type error"), "Band type error");
    EXPECT_EQ(SourceTexts().Tr("LinkMessages", "Band type error"), "Band type error");

    // Only "Chinese" exactly is the Chinese language; a missing set is told.
    const QtCatalogue lower(QStringLiteral(PROGRAM_BIN_DIR), "chinese");
    EXPECT_FALSE(lower.bChinese());
    EXPECT_FALSE(QtCatalogue(QStringLiteral(PROGRAM_BIN_DIR), "Klingon").Loaded());
    EXPECT_FALSE(QtCatalogue(QStringLiteral(PROGRAM_BIN_DIR), "").Loaded());
}

TEST(Catalogue, PseudoLanguageMarksEveryText) {
    const QTemporaryDir scratch;
    const Messages marked = MarkedTexts(scratch);
    const QFileInfo pseudo(QStringLiteral(PROGRAM_PSEUDO_QM));
    const QtCatalogue texts(pseudo.absolutePath(), pseudo.completeBaseName().toStdString());
    ASSERT_TRUE(texts.Loaded());
    EXPECT_FALSE(texts.bChinese());
    for (const auto& [key, unused] : marked) {
        const auto& [context, source, comment] = key;
        EXPECT_EQ(
            texts.Tr(context.c_str(), source.c_str(), comment.empty() ? nullptr : comment.c_str()),
            "[[" + source + "]]");
    }
}

TEST(Catalogue, FormatTextFillsItsPlaces) {
    struct Case {
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"%1 radio %2: %3", "COM3 radio 7: %2 done"}, // an argument's own %n stays
        {"%2 before %1", "7 before COM3"},
        {"100% sure, %4 unknown, %", "100% sure, %4 unknown, %"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatText(c.pattern, {"COM3", "7", "%2 done"}), c.expected) << c.pattern;
    }
}

} // namespace
