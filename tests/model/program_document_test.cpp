#include "model/channel_codec.h"
#include "model/image_layout.h"
#include "model/program_document.h"
#include "tests/settings/temp_dir.h"
#include "tests/texts/test_catalogues.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// The image a new document holds with the default band code, kept as a file
// beside the tests: every default byte, and 0xFF everywhere else.
RadioImage GoldenNewImage() {
    const std::string path = std::string(PROGRAM_TEST_DATA_DIR) + "/new_document.dat";
    const std::string bytes = ReadFile(path);
    RadioImage image;
    EXPECT_EQ(bytes.size(), image.size()) << path;
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.data());
    return image;
}

// The image a new document must hold with the given band code bytes.
RadioImage ExpectedNewImage(const BandCodeBytes& band) {
    RadioImage image = GoldenNewImage();
    std::copy(band.begin(), band.end(), image.data() + layout::kBandCode);
    return image;
}

using DocumentTest = ::testing::Test;

TEST_F(DocumentTest, NewDocumentHoldsEveryDefaultByte) {
    struct Case {
        BandCodeBytes inPlan;
        BandCodeBytes expected;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0}, kDefaultBandCode},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, kDefaultBandCode},
        {{0x14, 0x17, 0x44, 0x43, 0x47, 0x00}, {0x14, 0x17, 0x44, 0x43, 0x47, 0x00}},
    };
    for (const Case& c : cases) {
        BandPlan bands;
        bands.bandCode = c.inPlan;
        CProgramDoc doc;
        doc.Image().bytes().fill(0x00); // whatever was there before
        doc.SetModified(true);
        doc.OnNewDocument("Radio Programmer", bands, SourceTexts());
        EXPECT_EQ(doc.Image(), ExpectedNewImage(c.expected));
        EXPECT_EQ(bands.bandCode, c.expected);
        EXPECT_EQ(doc.Path(), "Radio Programmer");
        EXPECT_EQ(doc.Title(), "Channel Information");
        EXPECT_FALSE(doc.IsModified());
    }
    CProgramDoc chinese;
    BandPlan bands;
    chinese.OnNewDocument("", bands, ChineseTexts());
    EXPECT_EQ(chinese.Title(), "信道信息");
    EXPECT_EQ(chinese.Path(), "");
}

// A document wired as the window wires it: decode after opening, encode before saving.
class WiredDocument {
public:
    WiredDocument() {
        doc.SetOpenHook([this](RadioImage& image) { DecodeChannels(image, table, bands, false); });
        doc.SetSaveHook([this](RadioImage& image) { EncodeChannels(table, image, bands); });
    }
    BandPlan bands;
    CProgramDoc doc;
    ChannelTable table;
};

TEST_F(DocumentTest, SavingANewDocumentWithoutEditsGivesTheDefaultsAndTheDecodedBand) {
    TempDir dir;
    WiredDocument w;
    w.doc.OnNewDocument("", w.bands, SourceTexts());
    DecodeChannels(w.doc.Image(), w.table, w.bands, false); // the view's first display
    ASSERT_TRUE(w.doc.OnSaveDocument(dir.File("new.dat")).Ok());
    RadioImage expected = ExpectedNewImage(kDecodedBandCode);
    for (std::size_t n = 0; n < 129; ++n) {
        expected[24 * n + 13] = 0x05;
    }
    const std::string bytes = ReadFile(dir.File("new.dat"));
    ASSERT_EQ(bytes.size(), 6144u);
    EXPECT_EQ(bytes, std::string(reinterpret_cast<const char*>(expected.data()), 6144));
    EXPECT_EQ(w.doc.Path(), dir.File("new.dat"));
    EXPECT_EQ(w.doc.Title(), "new.dat");
}

TEST_F(DocumentTest, OpenAndSaveKeepEveryByteOutsideChannelsAndBandCode) {
    TempDir dir;
    std::string bytes(6144 + 100, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 31 + 7);
    }
    WriteFile(dir.File("in.dat"), bytes);
    WiredDocument w;
    ASSERT_TRUE(w.doc.OnOpenDocument(dir.File("in.dat")).Ok());
    EXPECT_EQ(w.doc.Title(), "in.dat");
    EXPECT_EQ(ImageBandCode(w.doc.Image()), kDecodedBandCode); // the open hook decoded
    ASSERT_TRUE(w.doc.OnSaveDocument(dir.File("out.dat")).Ok());
    const std::string out = ReadFile(dir.File("out.dat"));
    ASSERT_EQ(out.size(), 6144u);
    for (std::size_t i = layout::kChannelsEnd; i < 6144; ++i) {
        if (i < layout::kBandCode || i >= layout::kBandCode + layout::kBandCodeSize) {
            ASSERT_EQ(out[i], bytes[i]) << i;
        }
    }
    EXPECT_EQ(out.substr(layout::kBandCode, 6), std::string("\x13\x17\x64\x40\x52\x00", 6));
}

TEST_F(DocumentTest, FailedOpenChangesNothingAndRunsNoHook) {
    TempDir dir;
    WriteFile(dir.File("short.dat"), std::string(6143, 'a'));
    CProgramDoc doc;
    BandPlan bands;
    doc.OnNewDocument("App", bands, SourceTexts());
    const RadioImage before = doc.Image();
    bool hookRan = false;
    doc.SetOpenHook([&hookRan](RadioImage&) { hookRan = true; });
    for (const char* name : {"short.dat", "missing.dat", ""}) {
        EXPECT_FALSE(doc.OnOpenDocument(dir.File(name)).Ok()) << name;
    }
    EXPECT_FALSE(hookRan);
    EXPECT_EQ(doc.Image(), before);
    EXPECT_EQ(doc.Path(), "App");
    EXPECT_EQ(doc.Title(), "Channel Information");
}

TEST_F(DocumentTest, FailedSaveKeepsThePathAndTheEncodedImage) {
    TempDir dir;
    WiredDocument w;
    w.doc.OnNewDocument("App", w.bands, SourceTexts());
    DecodeChannels(w.doc.Image(), w.table, w.bands, false);
    w.table[0] = {"145.12500", "145.12500", "None", "None", "", "High", "Wide", "Yes", "Off"};
    EXPECT_EQ(w.doc.OnSaveDocument(dir.File("no/dir/x.dat")).error, FileError::CannotWrite);
    EXPECT_EQ(w.doc.Path(), "App");
    EXPECT_EQ(w.doc.Image()[3], 0x14); // the encode ran before the write
}

} // namespace
