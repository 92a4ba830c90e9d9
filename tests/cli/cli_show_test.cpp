#include "tests/cli/cli_run.h"
#include "tests/settings/temp_dir.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject ShowJson(const std::string& file, const std::string& lang, const TempDir& dir) {
    std::vector<std::string> args{"show", file, "--json"};
    if (!lang.empty()) {
        args.insert(args.end(), {"--lang", lang});
    }
    const CliRun run = RunCli(args, dir.Path().string());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
    return doc.object();
}

QStringList Keys(const QJsonObject& o) {
    return o.keys();
}

TEST(CliShow, JsonHoldsTheGridTextsAndTheBandValues) {
    TempDir dir;
    WriteFile(dir.File("in.dat"), ImageBytes(SampleImage()));
    const QJsonObject json = ShowJson(dir.File("in.dat"), "", dir);
    for (const char* key : {"channels", "band_code", "band_limits_mhz", "model_index"}) {
        EXPECT_TRUE(json.contains(key)) << key;
    }
    EXPECT_EQ(json["band_code"].toString(), "131764404800");
    EXPECT_EQ(json["band_limits_mhz"].toArray(), (QJsonArray{136, 174, 400, 520}));
    EXPECT_EQ(json["model_index"].toInt(), 3);

    const QJsonArray channels = json["channels"].toArray();
    ASSERT_EQ(channels.size(), 129);
    const QStringList keys{"busy", "dec", "enc",  "name", "power",
                           "row",  "rx",  "scan", "tx",   "width"};
    for (int i = 0; i < channels.size(); ++i) {
        const QJsonObject c = channels[i].toObject();
        EXPECT_EQ(Keys(c), keys);
        EXPECT_EQ(c["row"].toString(), i == 128 ? QString("Fr") : QString::number(i + 1));
    }
    const QJsonObject expected{{"row", "1"},       {"rx", "145.12500"}, {"tx", "146.00000"},
                               {"dec", "67.0"},    {"enc", "D023N"},    {"name", "中A"},
                               {"power", "High"},  {"width", "Wide"},   {"scan", "Yes"},
                               {"busy", "Carrier"}};
    EXPECT_EQ(channels[0].toObject(), expected);
    QJsonObject fr = expected;
    fr["row"] = "Fr";
    EXPECT_EQ(channels[128].toObject(), fr);
}

TEST(CliShow, EmptyCellsAreEmptyTextsAndChineseWordsFollowTheLanguage) {
    TempDir dir;
    ASSERT_EQ(RunCli({"new", dir.File("new.dat")}, dir.Path().string()).exitCode, 0);
    const QJsonObject json = ShowJson(dir.File("new.dat"), "zh", dir);
    for (const QJsonValue& v : json["channels"].toArray()) {
        const QJsonObject c = v.toObject();
        for (const QString& key : c.keys()) {
            if (key != "row") {
                EXPECT_EQ(c[key].toString(), "") << key.toStdString();
            }
        }
    }
    EXPECT_EQ(json["band_code"].toString(), "131764405200");

    WriteFile(dir.File("in.dat"), ImageBytes(SampleImage()));
    const QJsonObject zh = ShowJson(dir.File("in.dat"), "zh", dir);
    const QJsonObject first = zh["channels"].toArray()[0].toObject();
    EXPECT_EQ(first["power"].toString(), "高");
    EXPECT_EQ(first["width"].toString(), "宽");
    EXPECT_EQ(first["scan"].toString(), "是");
    EXPECT_EQ(first["busy"].toString(), "载波");
}

TEST(CliShow, PlainOutputIsATableOfTheSetChannels) {
    TempDir dir;
    WriteFile(dir.File("in.dat"), ImageBytes(SampleImage()));
    const CliRun run = RunCli({"show", dir.File("in.dat")}, dir.Path().string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("CH ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("Rx Frequency"), std::string::npos);
    EXPECT_NE(run.out.find("145.12500"), std::string::npos);
    EXPECT_NE(run.out.find("\nFr "), std::string::npos);
    EXPECT_NE(run.out.find("band_code: \"131764404800\""), std::string::npos);
    const CliRun zh = RunCli({"show", dir.File("in.dat"), "--lang", "zh"}, dir.Path().string());
    EXPECT_NE(zh.out.find("接收频率"), std::string::npos);
}

// Control characters of a channel name (an escape sequence would clear the
// terminal) are written escaped in the table, as the JSON escapes them; the
// columns stay aligned on the escaped text.
TEST(CliShow, PlainOutputEscapesControlCharactersOfNames) {
    TempDir dir;
    RadioImage image = SampleImage();
    const std::uint8_t name[] = {'A', 0x1B, '[', '2', 'J', 0x07, 'B', 0xFF};
    std::copy(std::begin(name), std::end(name), image.data() + 16); // record 0's name
    WriteFile(dir.File("in.dat"), ImageBytes(image));

    const CliRun run = RunCli({"show", dir.File("in.dat")}, dir.Path().string());

    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char c : run.out) {
        EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << static_cast<int>(c);
    }
    const std::string header = run.out.substr(0, run.out.find('\n'));
    const std::size_t at = run.out.find("\n1 ");
    ASSERT_NE(at, std::string::npos) << run.out;
    const std::string first = run.out.substr(at + 1, run.out.find('\n', at + 1) - at - 1);
    EXPECT_NE(first.find("  A\\x1B[2J\\x07B  "), std::string::npos) << first;
    EXPECT_EQ(first.find("High"), header.find("Power")) << header << '\n' << first;
    const QJsonObject json = ShowJson(dir.File("in.dat"), "", dir);
    EXPECT_EQ(json["channels"].toArray()[0].toObject()["name"].toString(), QString("A\x1B[2J\x07"
                                                                                   "B"));
}

} // namespace
