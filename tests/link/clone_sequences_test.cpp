// The clone transfer end to end (engine, Qt serial backend, pseudo-terminal,
// simulated radio): the exact byte sequences of a read and a write, and a
// read, write and read again that keeps every byte that travels.

#include "clone_rig.h"
#include "model/image_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint8_t kAckByte = 0x06;

// The radio receives: entry, band check, entry again.
ByteVector EntryAndBandCheck() {
    return Concat({EntryBytes(),
                   ReadRequestBytes(0x0FD0),
                   {kAckByte},
                   ReadRequestBytes(0x0FD8),
                   {kAckByte},
                   EntryBytes()});
}

std::vector<int> Range(int first, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v) {
        values.push_back(v);
    }
    return values;
}

TEST(CloneTransfer, ReadSendsTheExactSequenceAndFillsTheImage) {
    CloneRig rig;
    const RadioMemory memory = PatternMemory(7);
    rig.radio->SetMemory(memory);
    rig.image[layout::kPassword] = 0xFF; // new document: no password
    rig.image[0x0C30] = 0x5A;            // a spare row the wire never touches
    rig.image[24 * 200 + 20] = 0xA5;     // a byte beyond the 16 that travel

    const TransferResult result = rig.Run(TransferDirection::Read);

    ASSERT_EQ(result.outcome, TransferOutcome::Completed)
        << static_cast<int>(result.fault) << " at " << result.faultAddress;
    EXPECT_EQ(result.progress, kReadRows);
    EXPECT_EQ(rig.observer.progress, Range(1, 191));
    // Words only: the positions come as progress.
    EXPECT_EQ(rig.observer.statuses,
              std::vector<std::string>(2, "Waiting the response from radio...."));
    EXPECT_TRUE(rig.observer.messages.empty());
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_TRUE(rig.radio->Violations().empty());

    ByteVector expected = EntryAndBandCheck();
    Append(expected, Concat({ReadRequestBytes(0x0FE0), {kAckByte}}));
    for (int address = 0; address < kRadioMemorySize; address += 8) {
        Append(expected, Concat({ReadRequestBytes(address), {kAckByte}}));
    }
    EXPECT_EQ(rig.radio->ReceivedBytes(), expected);

    for (int address = 0; address < kRadioMemorySize; ++address) {
        ASSERT_EQ(rig.image[ImageOffsetOfRadioAddress(address)], memory[address]) << address;
    }
    EXPECT_EQ(rig.image[0x0C30], 0x5A);
    EXPECT_EQ(rig.image[24 * 200 + 20], 0xA5);
    // Six pump passes before each of the two entries, five after each row.
    EXPECT_EQ(rig.observer.pumps, 2 * 6 + 191 * 5);
}

TEST(CloneTransfer, WriteSendsTheExactSequenceAndClosesWithTheBandByte) {
    CloneRig rig;
    const RadioMemory before = PatternMemory(11);
    rig.radio->SetMemory(before);
    const RadioMemory source = PatternMemory(12);
    CopyRadioMemoryToImage(source, rig.image);

    const TransferResult result = rig.Run(TransferDirection::Write);

    ASSERT_EQ(result.outcome, TransferOutcome::Completed);
    EXPECT_EQ(result.progress, kWriteRows);
    EXPECT_EQ(rig.observer.progress, Range(1, 189));
    EXPECT_TRUE(rig.observer.messages.empty());
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_TRUE(rig.radio->Violations().empty());

    ByteVector expected = EntryAndBandCheck();
    for (int address = 0; address < 0x0FF0; address += 8) {
        if (address >= 0x0FD0 && address < 0x0FE0) {
            continue;
        }
        Append(expected, {0x57, static_cast<std::uint8_t>(address >> 8),
                          static_cast<std::uint8_t>(address & 0xFF), 0x08});
        Append(expected, ByteVector(source.begin() + address, source.begin() + address + 8));
    }
    Append(expected, {0x57, 0x0F, 0xD1, 0x01, 0x03});
    EXPECT_EQ(rig.radio->ReceivedBytes(), expected);

    const RadioMemory after = rig.radio->Memory();
    for (int address = 0; address < kRadioMemorySize; ++address) {
        const bool bandBlock = address >= 0x0FD0 && address < 0x0FE0;
        const bool lastRow = address >= 0x0FF0;
        if (address == kBandTypeAddress) {
            EXPECT_EQ(after[address], 0x03);
        } else if (bandBlock || lastRow) {
            ASSERT_EQ(after[address], before[address]) << "radio-owned byte changed at " << address;
        } else {
            ASSERT_EQ(after[address], source[address]) << address;
        }
    }
}

TEST(CloneTransfer, ReadWriteReadRoundTripKeepsEveryByteThatTravels) {
    CloneRig first;
    first.radio->SetMemory(PatternMemory(21));
    ASSERT_EQ(first.Run(TransferDirection::Read).outcome, TransferOutcome::Completed);

    CloneRig second;
    second.image = first.image;
    ASSERT_EQ(second.Run(TransferDirection::Write).outcome, TransferOutcome::Completed);
    EXPECT_TRUE(second.radio->Violations().empty());

    RadioImage reread = first.image; // same password as the radio now holds
    CloneEngine engine(second.link, second.observer, second.cancel);
    ASSERT_EQ(engine.Run(TransferDirection::Read, second.radio->DevicePath(), reread).outcome,
              TransferOutcome::Completed);

    const RadioMemory written = second.radio->Memory();
    const RadioMemory fresh = DefaultRadioMemory();
    for (int address = 0; address < kRadioMemorySize; ++address) {
        const std::size_t offset = ImageOffsetOfRadioAddress(address);
        if (address == kBandTypeAddress) {
            EXPECT_EQ(written[address], 0x03);
        } else if ((address >= 0x0FD0 && address < 0x0FE0) || address >= 0x0FF0) {
            EXPECT_EQ(written[address], fresh[address]) << address;
        } else {
            ASSERT_EQ(written[address], first.image[offset]) << address;
        }
        ASSERT_EQ(reread[offset], written[address]) << address;
    }
}

} // namespace
