#pragma once
// A document file in a temporary directory for the "set" and "show --json"
// tests: Set runs "program-cli set" on it, Show returns what "show --json"
// printed for a file, Changes lists the bytes a file now holds differently
// from the document as first written.

#include "model/radio_image.h"
#include "tests/cli/cli_run.h"
#include "tests/settings/temp_dir.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <map>
#include <string>
#include <vector>

class CliSetFixture : public ::testing::Test {
protected:
    // Writes the document the test starts from.
    void WriteDocument(const RadioImage& image) {
        WriteFile(File(), ImageBytes(image));
        original = ReadFile(File());
    }
    std::string File() const { return dir.File("doc.dat"); }
    std::string Scratch() const { return dir.Path().string(); }
    CliRun Set(std::vector<std::string> values, const std::string& out = "") {
        std::vector<std::string> args{"set", File()};
        if (!out.empty()) {
            args.insert(args.end(), {"-o", out});
        }
        args.insert(args.end(), values.begin(), values.end());
        return RunCli(args, Scratch());
    }
    QJsonObject Show(const std::string& file) {
        const CliRun run = RunCli({"show", file, "--json"}, Scratch());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    }
    // Offsets where the file differs from the original, with the new byte.
    std::map<std::size_t, int> Changes(const std::string& path) {
        const std::string now = ReadFile(path);
        EXPECT_EQ(now.size(), original.size());
        std::map<std::size_t, int> changes;
        for (std::size_t i = 0; i < now.size() && i < original.size(); ++i) {
            if (now[i] != original[i]) {
                changes[i] = static_cast<unsigned char>(now[i]);
            }
        }
        return changes;
    }
    TempDir dir;
    std::string original;
};
