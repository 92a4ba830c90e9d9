// The radio history: names that sort by time, the newest fifty kept, foreign
// files left alone, and the list the history window shows.

#include "model/channel_codec.h"
#include "model/program_document.h"
#include "model/read_history.h"
#include "tests/settings/temp_dir.h"
#include <gtest/gtest.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using history::Clock;
using std::chrono::milliseconds;
using std::chrono::seconds;

// 2026-12-07 20:20:33.123 UTC.
const Clock::time_point kTime = Clock::from_time_t(1796674833) + milliseconds(123);

class ReadHistory : public ::testing::Test {};

TEST_F(ReadHistory, FileNamesCarryTheTimeInUtcAndReadBack) {
    EXPECT_EQ(history::HistoryFileName(kTime), "read-20261207-202033-123.dat");
    EXPECT_EQ(history::HistoryFileTime("read-20261207-202033-123.dat"), kTime);
    // Later times sort later by name.
    EXPECT_LT(history::HistoryFileName(kTime), history::HistoryFileName(kTime + milliseconds(1)));
    EXPECT_LT(history::HistoryFileName(kTime), history::HistoryFileName(kTime + seconds(86400)));
}

TEST_F(ReadHistory, OtherNamesAreNotHistoryFiles) {
    for (const char* name :
         {"read-20261207-202033-123.DAT", "read-20261207-202033-12.dat", "radio.dat",
          "read-2026120x-202033-123.dat", "read-20260231-202033-123.dat",
          "read-20261207-246033-123.dat", "read-20261207_202033-123.dat", ""}) {
        EXPECT_FALSE(history::HistoryFileTime(name).has_value()) << name;
    }
}

TEST_F(ReadHistory, KeepsTheNewestFiftyAndLeavesOtherFilesAlone) {
    TempDir dir;
    WriteFile(dir.File("notes.txt"), "mine");
    WriteFile(dir.File("radio.dat"), std::string(6144, '\xFF'));
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    std::string saved;
    for (int i = 0; i < 53; ++i) {
        image[0x0C30] = static_cast<std::uint8_t>(i);
        ASSERT_TRUE(history::SaveRead(dir.Path().string(), image, kTime + seconds(i), saved).Ok());
    }
    const std::vector<history::HistoryEntry> entries = history::ListReads(dir.Path().string());
    ASSERT_EQ(entries.size(), history::kKeptReads);
    EXPECT_EQ(entries.front().path, saved);
    EXPECT_EQ(entries.front().time, kTime + seconds(52));
    EXPECT_EQ(entries.back().time, kTime + seconds(3));
    // The kept files are the last reads, byte for byte.
    RadioImage newest;
    ASSERT_TRUE(ReadDatFile(entries.front().path, newest).Ok());
    EXPECT_EQ(newest[0x0C30], 52);
    EXPECT_EQ(ReadFile(dir.File("notes.txt")), "mine");
    EXPECT_TRUE(std::filesystem::exists(dir.File("radio.dat")));
}

TEST_F(ReadHistory, TwoReadsInTheSameMillisecondKeepBoth) {
    TempDir dir;
    RadioImage image;
    std::string first;
    std::string second;
    ASSERT_TRUE(history::SaveRead(dir.Path().string(), image, kTime, first).Ok());
    ASSERT_TRUE(history::SaveRead(dir.Path().string(), image, kTime, second).Ok());
    EXPECT_NE(first, second);
    EXPECT_EQ(history::ListReads(dir.Path().string()).size(), 2u);
}

TEST_F(ReadHistory, MakesTheFolderAndListsBandAndChannelsInUse) {
    TempDir dir;
    const std::string folder = (dir.Path() / "a" / "history").string();
    EXPECT_TRUE(history::ListReads(folder).empty());
    RadioImage image;
    FillNewDocumentImage(image, kDefaultBandCode);
    const ChannelTexts channel{"145.50000", "145.50000", "None", "None", "",
                               "Low",       "Narrow",    "No",   "Off"};
    EncodeRecord(channel, image.data() + layout::ChannelRecord(0));
    EncodeRecord(channel, image.data() + layout::ChannelRecord(127));
    // The "Fr" row is no channel.
    EncodeRecord(channel, image.data() + layout::ChannelRecord(128));
    std::string saved;
    ASSERT_TRUE(history::SaveRead(folder, image, kTime, saved).Ok());
    const std::vector<history::HistoryEntry> entries = history::ListReads(folder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].channels, 2);
    EXPECT_EQ(entries[0].band, "136-174, 400-480 MHz");
}

TEST_F(ReadHistory, AShortFileIsLeftOutOfTheList) {
    TempDir dir;
    WriteFile(dir.File(history::HistoryFileName(kTime)), "short");
    EXPECT_TRUE(history::ListReads(dir.Path().string()).empty());
}

TEST_F(ReadHistory, AFolderThatCannotBeMadeIsAnError) {
    TempDir dir;
    WriteFile(dir.File("file"), "x");
    std::string saved = "unchanged";
    EXPECT_FALSE(history::SaveRead(dir.File("file") + "/history", RadioImage(), kTime, saved).Ok());
    EXPECT_EQ(saved, "unchanged");
}

} // namespace
