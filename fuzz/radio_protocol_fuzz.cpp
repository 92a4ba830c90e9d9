// The simulated radio's protocol state machine fed arbitrary bytes under
// options taken from the input. Invariants: an answer is at most a 12-byte
// reply with kStrayBytes of noise before it and hangs up only for the
// disconnect fault; after a protocol violation the radio answers nothing and
// records nothing more; the bytes no request may change (the band-type block
// but its type byte, row 255 but the squelch levels) stay; the statistics
// never count more than was requested; after a reset the radio answers a
// clean programming-mode entry.

#include "fuzz/fuzz_check.h"
#include "link/address_map.h"
#include "model/image_layout.h"
#include "sim/radio_protocol.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

namespace {

constexpr std::size_t kOptionBytes = 8;
constexpr std::uint8_t kEntry[] = {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x02, 0x06};

// Options within the ranges program-cli simulate accepts.
SimOptions OptionsFrom(const std::uint8_t* bytes) {
    SimOptions options;
    options.fault.kind = static_cast<SimFaultKind>(bytes[0] % 8);
    options.fault.address = (bytes[1] & 0x80) != 0 ? -1 : ((bytes[1] << 8) | bytes[2]) & 0x0FFF;
    options.fault.shortLength = bytes[3] % 13;
    options.fault.delayMs = bytes[3];
    options.fault.seed = static_cast<std::uint32_t>(bytes[4]) * 0x01000193u;
    options.ignoredProgramRequests = bytes[5] & 0x03;
    options.missingEntryAcks = (bytes[5] >> 2) & 0x03;
    if ((bytes[5] & 0x10) != 0) {
        options.bandType = bytes[6];
    }
    if ((bytes[5] & 0x20) != 0) {
        options.password = "12";
    }
    options.replyLatencyMs = bytes[7] & 0x0F;
    return options;
}

bool RadioOwned(int address) {
    const bool bandBlock = address >= kBandBlockAddress && address < kPasswordBlockAddress &&
                           address != kBandTypeAddress;
    const bool lastRow =
        address >= kBandCodeBlockAddress &&
        (address < kSquelchAddress || address >= kSquelchAddress + layout::kSquelchLevelCount);
    return bandBlock || lastRow;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kOptionBytes) {
        return 0;
    }
    const SimOptions options = OptionsFrom(data);
    // Bit 6 of the sixth byte starts with a clean entry, so that the fuzzer
    // reaches programming mode without having to find the request first.
    std::vector<std::uint8_t> fed;
    if ((data[5] & 0x40) != 0) {
        fed.assign(std::begin(kEntry), std::end(kEntry));
    }
    fed.insert(fed.end(), data + kOptionBytes, data + size);

    RadioProtocol radio(DefaultRadioMemory(), options);
    const RadioMemory before = radio.Memory();
    const int maxDelay =
        options.replyLatencyMs + options.fault.delayMs + std::max(options.entryAckTurnaroundMs, 0);
    for (const std::uint8_t byte : fed) {
        const bool dead = !radio.Violations().empty();
        const std::size_t requests = radio.Requests().size();
        const std::optional<RadioAnswer> answer = radio.Feed(byte);
        if (dead) {
            FUZZ_CHECK(!answer);
            FUZZ_CHECK(radio.Violations().size() == 1);
            FUZZ_CHECK(radio.Requests().size() == requests);
        }
        if (answer) {
            FUZZ_CHECK(answer->bytes.size() <= static_cast<std::size_t>(12 + kStrayBytes));
            FUZZ_CHECK(!answer->disconnect || options.fault.kind == SimFaultKind::Disconnect);
            FUZZ_CHECK(!answer->disconnect || answer->bytes.empty());
            FUZZ_CHECK(answer->delayMs >= 0 && answer->delayMs <= maxDelay);
        }
    }
    FUZZ_CHECK(radio.Violations().size() <= 1);
    FUZZ_CHECK(radio.Requests().size() <= fed.size());

    const RadioMemory& after = radio.Memory();
    for (int address = 0; address < kRadioMemorySize; ++address) {
        if (RadioOwned(address)) {
            FUZZ_CHECK(after[static_cast<std::size_t>(address)] ==
                       before[static_cast<std::size_t>(address)]);
        }
    }

    int reads = 0;
    int writes = 0;
    for (const SimRequest& request : radio.Requests()) {
        reads += request.kind == 'R' ? 1 : 0;
        writes += request.kind == 'W' ? 1 : 0;
    }
    const SimStats& stats = radio.Stats();
    FUZZ_CHECK(stats.blocksRead + stats.squelchReads <= reads);
    FUZZ_CHECK(stats.blocksWritten + stats.squelchWrites + stats.closingBandWrites <= writes);
    FUZZ_CHECK(stats.entries <= stats.programModeRequests);

    radio.Reset();
    FUZZ_CHECK(radio.Violations().empty() && radio.Requests().empty());
    const bool answersEntries = options.fault.kind != SimFaultKind::Silent &&
                                options.ignoredProgramRequests == 0 &&
                                options.missingEntryAcks == 0;
    if (answersEntries) {
        std::vector<std::uint8_t> answered;
        for (const std::uint8_t byte : kEntry) {
            if (const std::optional<RadioAnswer> answer = radio.Feed(byte)) {
                answered.insert(answered.end(), answer->bytes.begin(), answer->bytes.end());
            }
        }
        FUZZ_CHECK(answered.size() == 10 && answered.front() == 0x06 && answered.back() == 0x06);
    }
    return 0;
}
