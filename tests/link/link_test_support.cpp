#include "link_test_support.h"

#include "model/image_layout.h"
#include "sim/seeded_random.h"

#include <algorithm>
#include <gtest/gtest.h>

void RecordingObserver::OnProgress(int position) {
    progress.push_back(position);
    if (onProgress) {
        onProgress(position);
    }
}

void RecordingObserver::OnStatus(const std::string& text) {
    statuses.push_back(text);
}

void RecordingObserver::OnStatusWords(const TextId& words) {
    statuses.push_back(SourceTexts().Tr(words));
}

PromptAnswer RecordingObserver::OnCommunicationError(const PortHolders& holders) {
    ++prompts;
    messages.push_back(PromptMessage(holders));
    if (onPrompt) {
        onPrompt();
    }
    if (answers.empty()) {
        return PromptAnswer::Cancel;
    }
    const PromptAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void RecordingObserver::OnEnded(const TransferResult& result) {
    ends.push_back(result);
    if (const std::optional<LinkMessage> message = EndMessage(result)) {
        messages.push_back(*message);
    }
}

void RecordingObserver::Pump() {
    ++pumps;
}

std::unique_ptr<SimulatedRadio> StartRadio(const SimOptions& options) {
    auto radio = std::make_unique<SimulatedRadio>(options);
    std::string error;
    EXPECT_TRUE(radio->Start(&error)) << error;
    return radio;
}

RadioMemory PatternMemory(std::uint32_t seed) {
    SeededRandom random(seed);
    RadioMemory memory;
    for (std::uint8_t& byte : memory) {
        byte = static_cast<std::uint8_t>(random.Below(256));
    }
    memory[kBandTypeAddress] = 0x03;
    std::fill_n(memory.begin() + kPasswordAddress, layout::kPasswordSize, std::uint8_t{0xFF});
    return memory;
}

ByteVector EntryBytes() {
    return {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x02, 0x06};
}

ByteVector ReadRequestBytes(int address, int length) {
    return {0x52, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(length)};
}

void Append(ByteVector& to, const ByteVector& more) {
    to.insert(to.end(), more.begin(), more.end());
}

ByteVector Concat(std::initializer_list<ByteVector> parts) {
    ByteVector all;
    for (const ByteVector& part : parts) {
        Append(all, part);
    }
    return all;
}
