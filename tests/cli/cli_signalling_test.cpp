// The "two_tone", "msk" and "squelch" groups of "program-cli show --json" and
// "program-cli set", run as real processes on real files.

#include "model/program_document.h"
#include "tests/cli/cli_set_fixture.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>

namespace {

class CliSignallingTest : public CliSetFixture {
protected:
    void SetUp() override {
        RadioImage image;
        FillNewDocumentImage(image, kDefaultBandCode);
        image[0x17EF] = 119;  // V narrow: no selection
        image[0x17F0] = 0xFF; // U wide: the default
        image[0x12C0] = '1';
        image[0x12C1] = 'A';
        image[0x12DC] = 'F'; // call list entry 5
        WriteDocument(image);
    }
};

TEST_F(CliSignallingTest, ShowGivesWhatTheDialogsShowAfterLoading) {
    const QJsonObject json = Show(File());
    const QJsonObject twoTone = json["two_tone"].toObject();
    EXPECT_EQ(twoTone.keys(),
              (QStringList{"decode", "encode", "first_delay", "long_tone_delay", "second_delay",
                           "short_beep", "tone_interval", "tx_rise_delay"}));
    EXPECT_EQ(twoTone["first_delay"].toString(), "0.5");
    EXPECT_EQ(twoTone["long_tone_delay"].toString(), "1.0");
    EXPECT_EQ(twoTone["tx_rise_delay"].toString(), "0.10");
    EXPECT_EQ(twoTone["short_beep"], QJsonValue(false));
    const QJsonArray encode = twoTone["encode"].toArray();
    ASSERT_EQ(encode.size(), 32);
    for (const QJsonValue& pair : encode) {
        EXPECT_EQ(pair.toArray(), (QJsonArray{"2000.0", "1000.0"}));
    }
    const QJsonArray decode = twoTone["decode"].toArray();
    ASSERT_EQ(decode.size(), 8);
    const QJsonObject expectedSet{{"a", "2000.0"},   {"b", "1000.0"},     {"first", "0.5"},
                                  {"second", "0.5"}, {"interval", "1.0"}, {"long", "0.5"}};
    for (const QJsonValue& set : decode) {
        EXPECT_EQ(set.toObject(), expectedSet);
    }

    const QJsonObject msk = json["msk"].toObject();
    EXPECT_EQ(msk["id_code"].toString(), "1A");
    EXPECT_EQ(msk["call_list"].toArray(), (QJsonArray{"", "", "", "", "F", "", "", "", ""}));

    const QJsonObject squelch = json["squelch"].toObject();
    EXPECT_EQ(
        squelch,
        (QJsonObject{{"v_wide", "-23"}, {"v_narrow", ""}, {"u_wide", "-30"}, {"u_narrow", "-34"}}));
}

TEST_F(CliSignallingTest, SetStoresExactlyWhatTheDialogsStore) {
    const std::string out = dir.File("out.dat");
    const CliRun run = Set({"two_tone.tx_rise_delay=0.37", "two_tone.encode.5.tone1=5000",
                            "two_tone.encode.5.tone2=", "two_tone.decode.8.a=100",
                            "msk.call_list.4=ab12", "squelch.v_wide=-55"},
                           out);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(File()), original);

    const QJsonObject json = Show(out);
    const QJsonObject twoTone = json["two_tone"].toObject();
    EXPECT_EQ(twoTone["tx_rise_delay"].toString(), "0.35");
    EXPECT_EQ(twoTone["encode"].toArray()[4].toArray(), (QJsonArray{"3106.0", ""}));
    EXPECT_EQ(twoTone["decode"].toArray()[7].toObject()["a"].toString(), "288.5");
    EXPECT_EQ(json["msk"].toObject()["call_list"].toArray()[3].toString(), "AB12");
    // The squelch page stores all four lists, as OK does.
    EXPECT_EQ(json["squelch"].toObject(),
              (QJsonObject{
                  {"v_wide", "-55"}, {"v_narrow", "-25"}, {"u_wide", "-30"}, {"u_narrow", "-34"}}));

    // Every changed byte belongs to a page that was set: the encode page
    // (both forms), decode set 8, the MSK run and the squelch levels.
    const auto inRows = [](std::size_t at, std::size_t first, std::size_t rows) {
        return at >= first && at < first + 24 * rows && (at - first) % 24 < 16;
    };
    const auto changes = Changes(out);
    for (const auto& [at, byte] : changes) {
        const bool owned = inRows(at, 0x1500, 8) || inRows(at, 0x1680, 8) ||
                           (at >= 0x1620 && at < 0x1628) || (at >= 0x17A0 && at < 0x17A7) ||
                           (at >= 0x1610 && at < 0x1618) || (at >= 0x1790 && at < 0x1798) ||
                           inRows(at, 0x12C0, 3) || (at >= 0x17EE && at < 0x17F2);
        EXPECT_TRUE(owned) << std::hex << "offset 0x" << at << " changed to " << byte;
    }
    EXPECT_EQ(changes.at(0x12D8), 'A');
    EXPECT_EQ(changes.at(0x1518), 0x79);
    EXPECT_EQ(changes.at(0x151A), 0xFF);
    EXPECT_EQ(changes.at(0x1698 + 1), 36);
    EXPECT_EQ(changes.at(0x1626), 7);
    EXPECT_EQ(changes.at(0x17A6), 7);
    EXPECT_EQ(changes.at(0x1610), 0x0B); // 288.5: 0x0B45
    EXPECT_EQ(changes.at(0x17EE), 9);
    EXPECT_EQ(changes.at(0x17EF), 39); // no selection stored as the default
    EXPECT_EQ(changes.count(0x17F0), 1u);
}

TEST_F(CliSignallingTest, RefusedValuesSayWhatIsAllowedAndWriteNothing) {
    struct Case {
        const char* assignment;
        int exitCode;
        const char* says;
    };
    const Case cases[] = {
        {"squelch.v_wide=55", 3, "\"54\""},
        {"squelch.u_narrow=", 3, "\"-55\""},
        {"msk.id_code=12345", 3, "up to 4 characters"},
        {"msk.call_list.1=G", 3, "0123456789ABCDEF"},
        {"two_tone.first_delay=1,5", 3, "0123456789."},
        {"two_tone.short_beep=on", 3, "true or false"},
        {"two_tone.encode.33.tone1=500", 1, "encode.32.tone2"},
        {"msk.call_list.10=1", 1, "call_list.9"},
    };
    for (const Case& c : cases) {
        const CliRun run = Set({"msk.id_code=2", c.assignment});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.assignment;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.assignment << ": " << run.err;
        EXPECT_EQ(ReadFile(File()), original) << c.assignment;
    }
}

} // namespace
