#include "tests/cli/cli_radio.h"

#include "model/dat_file.h"

#include <gtest/gtest.h>

std::unique_ptr<SimulatedRadio> Radio(const SimOptions& options, const RadioImage* image) {
    auto radio = std::make_unique<SimulatedRadio>(options);
    if (image != nullptr) {
        radio->LoadImage(*image);
    }
    std::string error;
    EXPECT_TRUE(radio->Start(&error)) << error;
    return radio;
}

void WriteImage(const std::string& path, const RadioImage& image) {
    ASSERT_TRUE(WriteDatFile(path, image).Ok());
}

RadioImage ReadImage(const std::string& path) {
    RadioImage image;
    EXPECT_TRUE(ReadDatFile(path, image).Ok()) << path;
    return image;
}

bool KeptAsIs(int address) {
    return address >= 0x0C18 && !(address >= 0x0FF0 && address < 0x0FF6);
}
