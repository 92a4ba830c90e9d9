#pragma once
// Shared pieces of the link tests: an observer that records what a window
// would show (worded as the window words it) and answers the prompt from a
// script, a running simulated radio, and the byte sequences the radio must
// receive.

#include "link/address_map.h"
#include "link/fault_messages.h"
#include "link/transfer_observer.h"
#include "sim/simulated_radio.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using ByteVector = std::vector<std::uint8_t>;

class RecordingObserver : public TransferObserver {
public:
    void OnProgress(int position) override;
    void OnStatus(const std::string& text) override;
    // Recorded in English.
    void OnStatusWords(const TextId& words) override;
    PromptAnswer OnCommunicationError(const PortHolders& holders) override;
    void OnEnded(const TransferResult& result) override;
    void Pump() override;

    std::vector<int> progress;
    std::vector<std::string> statuses;
    // What a window would show, worded as the window words it: the prompts
    // and the end messages in turn.
    std::vector<LinkMessage> messages;
    std::vector<TransferResult> ends;
    int prompts = 0;
    int pumps = 0;
    // Answers to the prompts in turn; Cancel once they run out.
    std::deque<PromptAnswer> answers;
    // Called at every prompt and progress step (to look at the radio or set
    // the cancel flag at a chosen moment).
    std::function<void()> onPrompt;
    std::function<void(int)> onProgress;
};

// A simulated radio serving a pseudo-terminal for one test.
std::unique_ptr<SimulatedRadio> StartRadio(const SimOptions& options = InstantReplies());

// Radio memory filled with a seeded pattern (band type 3, no password), so
// that every block differs.
RadioMemory PatternMemory(std::uint32_t seed);

// Byte sequences the radio receives.
ByteVector EntryBytes();
ByteVector ReadRequestBytes(int address, int length = 8);
ByteVector Concat(std::initializer_list<ByteVector> parts);
void Append(ByteVector& to, const ByteVector& more);
