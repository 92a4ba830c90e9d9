// "program-cli set" and the dialog sections of "show --json", run as real
// processes on real files.

#include "tests/cli/cli_set_fixture.h"
#include "tests/settings/temp_dir.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

namespace {

class CliSetTest : public CliSetFixture {
protected:
    void SetUp() override {
        RadioImage image = SampleImage();
        image[0x1309] = 0xFF; // delay: shows 1550
        image[0x132F] = 0x23; // group code "#"
        image[0x12AA] = 0x80; // side key: Squelch Off Momentary
        image[0x1265] = 0xBF; // orange key code 3: Emergency Call
        WriteDocument(image);
    }
};

TEST_F(CliSetTest, ShowGivesWhatTheDialogsShowAfterLoading) {
    const QJsonObject json = Show(File());
    const QJsonObject optional = json["optional"].toObject();
    EXPECT_EQ(optional.keys(), (QStringList{"allow_reset",
                                            "back_light",
                                            "back_light_color",
                                            "battery_saver",
                                            "beep",
                                            "display_mode",
                                            "key_lock",
                                            "keypad_lock",
                                            "msk_type",
                                            "password",
                                            "power_on_style",
                                            "priority_channel",
                                            "repeater_msk_invert",
                                            "scan_mode",
                                            "short_press_orange_key",
                                            "squelch_level",
                                            "step",
                                            "stopwatch",
                                            "str_set",
                                            "tail",
                                            "tot",
                                            "tot_pre_alert",
                                            "vox_gain"}));
    EXPECT_EQ(optional["short_press_orange_key"].toString(), "Emergency Call");
    EXPECT_TRUE(optional["keypad_lock"].isBool());

    const QJsonObject dtmf = json["dtmf"].toObject();
    EXPECT_EQ(dtmf.keys(),
              (QStringList{"call_list", "first_digit_delay", "first_digit_time", "group_code",
                           "id_code", "side_tone", "speed", "star_hash_time", "stun_activation",
                           "stun_code", "stun_type"}));
    EXPECT_EQ(dtmf["first_digit_delay"].toString(), "1550");
    EXPECT_EQ(dtmf["group_code"].toString(), "#");
    EXPECT_EQ(dtmf["call_list"].toArray().size(), 9);
    EXPECT_EQ(json["side_key"].toString(), "Squelch Off Momentary");
}

TEST_F(CliSetTest, SetsControlsAsAUserAndStoresOnlyTheirBytes) {
    const std::string out = dir.File("out.dat");
    const CliRun run =
        Set({"optional.tot=关闭", "optional.password=12A4", "dtmf.speed=12",
             "dtmf.call_list.4=12ab*#", "side_key=Emergency Call", "dtmf.group_code=Off"},
            out);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(File()), original) << "-o leaves the input alone";

    std::map<std::size_t, int> expected =
        {
            {0x1260, 0x00}, // TOT off
            {0x1265, 0xBE}, // OK rewrote orange key code 3 as 2
            {0x17D2, '1'},  {0x17D3, '2'}, {0x17D4, 'A'},
            {0x17D5, '4'},  {0x1309, 20}, // the encode page stored its delay normalised (1550 ->
                                          // 1000)
            {0x132F, 0xFF},               // group code off
            {0x12AA, 0x82},               // side key Emergency Call, upper bits kept
            {0x13C8, '1'},  {0x13C9, '2'}, {0x13CA, 'A'},
            {0x13CB, 'B'},  {0x13CC, '*'}, {0x13CD, '#'},
        };
    // The sample's bytes decide what else the stores rewrite: compare with
    // what the dialogs show afterwards instead of guessing them here.
    std::map<std::size_t, int> changes = Changes(out);
    for (const auto& [offset, value] : expected) {
        EXPECT_EQ(changes.count(offset) ? changes[offset] : -1, value) << std::hex << offset;
    }
    const QJsonObject json = Show(out);
    EXPECT_EQ(json["dtmf"]["speed"].toString(), "10");
    EXPECT_EQ(json["dtmf"]["first_digit_delay"].toString(), "1000");
    EXPECT_EQ(json["dtmf"]["call_list"].toArray()[3].toString(), "12AB*#");
    EXPECT_EQ(json["optional"]["password"].toString(), "12");
    EXPECT_EQ(json["optional"]["tot"].toString(), "Off");
    EXPECT_EQ(json["side_key"].toString(), "Emergency Call");

    // Nothing outside the three dialogs' bytes changed.
    const auto owned = [](std::size_t at) {
        return (at >= 0x1260 && at <= 0x1267) || (at >= 0x12A8 && at <= 0x12AB) ||
               (at >= 0x1308 && at <= 0x130B) || (at >= 0x1320 && at <= 0x1341) ||
               (at >= 0x1380 && at <= 0x144F && (at - 0x1380) % 24 < 16) ||
               (at >= 0x17D2 && at <= 0x17D7);
    };
    for (const auto& change : changes) {
        EXPECT_TRUE(owned(change.first)) << std::hex << change.first;
    }
}

TEST_F(CliSetTest, RefusedValuesPrintWhatIsAllowedAndWriteNothing) {
    struct Case {
        std::string assignment;
        int exitCode;
        std::string says;
    };
    const Case cases[] = {
        {"dtmf.stun_code=12E", 3, "0123456789ABCD*#"},
        {"dtmf.speed=100", 3, "up to 2 characters"},
        {"dtmf.call_list.1=0123456789ABCD*#0", 3, "up to 16 characters"},
        {"optional.tot=31", 3, "\"270\""},
        {"dtmf.group_code=1", 3, "\"Off\" (\"关\")"},
        {"side_key=Emergency", 3, "Squelch Off Momentary"},
        {"optional.keypad_lock=yes", 3, "true or false"},
        {"dtmf.call_list.10=1", 1, "call_list.9"},
        {"nothing.field=1", 1, "optional, dtmf, side_key"},
        {"dtmf.speed", 1, "GROUP.FIELD=VALUE"},
    };
    for (const Case& c : cases) {
        const CliRun run = Set({"dtmf.speed=15", c.assignment});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.assignment;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.assignment << ": " << run.err;
        EXPECT_EQ(ReadFile(File()), original) << c.assignment;
    }
}

TEST_F(CliSetTest, FileErrorsExitWith2) {
    const CliRun missing = RunCli({"set", dir.File("missing.dat"), "dtmf.speed=8"}, Scratch());
    EXPECT_EQ(missing.exitCode, 2);
    WriteFile(dir.File("short.dat"), std::string(100, '\xFF'));
    const CliRun shortFile = RunCli({"set", dir.File("short.dat"), "dtmf.speed=8"}, Scratch());
    EXPECT_EQ(shortFile.exitCode, 2);
    const CliRun noDir = Set({"dtmf.speed=8"}, dir.File("no/such/dir/out.dat"));
    EXPECT_EQ(noDir.exitCode, 2);
    EXPECT_EQ(ReadFile(File()), original);
}

} // namespace
