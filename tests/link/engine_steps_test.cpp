// The engines step by step on a scripted link: every clear, wait, write and
// read of a transfer in order, and what a read error or a short read does at
// a chosen step. The pseudo-terminal tests see the bytes; these see the waits
// and the reads between them.

#include "model/image_layout.h"
#include "protocol_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

TEST(EngineSteps, WholeTransfersMakeExactlyTheProtocolsCallsAndWaits) {
    const RadioMemory memory = TestMemory();
    RadioImage source; // what a write sends: every byte differs from its neighbour
    CopyRadioMemoryToImage(PatternMemory(6), source);
    RadioImage readBack;
    CopyRadioMemoryToImage(memory, readBack);
    RadioImage squelchRead;
    std::copy(memory.begin() + 0x0FF6, memory.begin() + 0x0FFA,
              squelchRead.data() + layout::kSquelchLevels);
    const ByteVector sourceLevels(source.data() + layout::kSquelchLevels,
                                  source.data() + layout::kSquelchLevels +
                                      layout::kSquelchLevelCount);

    Replies squelchReadReplies = EntryReplies();
    squelchReadReplies.push_back(BlockReply(memory, 0x0FF6, 4));
    Replies squelchWriteReplies = EntryReplies();
    squelchWriteReplies.push_back({0x06});

    struct Case {
        const char* name;
        std::function<TransferResult(Rig&)> run;
        RadioImage imageBefore;
        Replies replies;
        Lines calls;
        RadioImage imageAfter;
        std::vector<LinkMessage> shown; // the success message of a squelch transfer
    };
    const Case cases[] = {
        {"clone read",
         [](Rig& r) { return r.Clone(TransferDirection::Read); },
         RadioImage{},
         CloneReadReplies(memory),
         CloneReadCalls(),
         readBack,
         {}},
        {"clone write",
         [](Rig& r) { return r.Clone(TransferDirection::Write); },
         source,
         CloneWriteReplies(memory),
         CloneWriteCalls(source),
         source,
         {}},
        {"squelch read",
         [](Rig& r) { return r.Squelch(TransferDirection::Read); },
         RadioImage{},
         squelchReadReplies,
         SquelchCalls(TransferDirection::Read, {}),
         squelchRead,
         {kMsgReadSuccessfully}},
        {"squelch write",
         [](Rig& r) { return r.Squelch(TransferDirection::Write); },
         source,
         squelchWriteReplies,
         SquelchCalls(TransferDirection::Write, sourceLevels),
         source,
         {kMsgWriteSuccessfully}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.image = c.imageBefore;
        rig.link.Script(c.replies);

        const TransferResult result = c.run(rig);

        EXPECT_EQ(result.outcome, TransferOutcome::Completed)
            << static_cast<int>(result.fault) << " at " << result.faultAddress;
        ExpectSameCalls(rig.link.Transcript(), c.calls);
        EXPECT_EQ(rig.link.UnreadReplies(), 0u);
        EXPECT_FALSE(rig.link.IsOpen());
        EXPECT_TRUE(rig.image == c.imageAfter);
        EXPECT_EQ(rig.observer.messages, c.shown);
        EXPECT_EQ(rig.observer.prompts, 0);
    }
}

// The reads for the ACK after the program-mode request: a second read only
// when the first one delivered no ACK and reported no error; a failed attempt
// waits 2 ms and starts over. Shown on a squelch read, whose entry has no
// pump waits.
TEST(EngineSteps, EntryReadsTheAckASecondTimeOnlyAfterAReadWithoutError) {
    struct Case {
        const char* name;
        Replies replies;
        std::optional<std::size_t> errorAt; // index of a read that reports an error
        int ackReads;
        bool entered; // the first attempt succeeds
    };
    const Case cases[] = {
        {"ACK at once", {{0x06}}, std::nullopt, 1, true},
        {"nothing, then the ACK", {{}, {0x06}}, std::nullopt, 2, true},
        {"another byte, then the ACK", {{0x15}, {0x06}}, std::nullopt, 2, true},
        {"a read error: no second read", {{0x06}}, 0, 1, false},
        {"nothing, then a read error", {{}, {0x06}}, 1, 2, false},
        {"nothing twice", {{}, {}}, std::nullopt, 2, false},
        {"another byte twice", {{0x15}, {0x00}}, std::nullopt, 2, false},
    };
    const RadioMemory memory = TestMemory();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        Replies replies = c.replies;
        if (c.entered) {
            Add(replies, {kIdentification, {0x06}});
        } else {
            Add(replies, EntryReplies());
        }
        replies.push_back(BlockReply(memory, 0x0FF6, 4));
        rig.link.Script(replies);
        if (c.errorAt) {
            rig.link.FailRead(*c.errorAt);
        }

        const TransferResult result = rig.Squelch(TransferDirection::Read);

        Lines expected = PortSetup();
        Add(expected, ProgramRequest(Entry::Squelch));
        Add(expected, Lines(static_cast<std::size_t>(c.ackReads), "read 1"));
        if (!c.entered) {
            expected.push_back("sleep 2");
            Add(expected, ProgramRequest(Entry::Squelch));
            expected.push_back("read 1");
        }
        Add(expected, Identification());
        Add(expected, {"clear", RequestLine('R', 0x0FF6, 4), "sleep 1", "read 8", "close"});
        ExpectSameCalls(rig.link.Transcript(), expected);
        EXPECT_EQ(result.outcome, TransferOutcome::Completed);
        EXPECT_EQ(rig.observer.prompts, 0);
    }
}

// A read error or a short read at a chosen step of a clone read: the typed
// fault, its address, the message or prompt, and nothing read after it but
// for a short identification, which is accepted.
TEST(EngineSteps, ReadFaultsAtAChosenStep) {
    struct Case {
        const char* name;
        std::size_t readIndex;
        std::optional<std::size_t> shortTo; // none: the read reports an error
        LinkFault fault;
        int address;
        LinkMessage shown;
    };
    const Case cases[] = {
        {"identification read error", 1, std::nullopt, LinkFault::PromptCancel, -1,
         kMsgCommunicationError},
        {"short identification", 1, 3, LinkFault::None, -1, {}},
        {"closing ACK read error, count 1", 2, std::nullopt, LinkFault::PromptCancel, -1,
         kMsgCommunicationError},
        {"short band reply", 3, 11, LinkFault::ShortReply, 0x0FD0, kMsgProgramInterrupt},
        {"band ACK read error", 4, std::nullopt, LinkFault::Io, 0x0FD0, kMsgProgramInterrupt},
        {"second entry's identification read error", 8, std::nullopt, LinkFault::PromptCancel, -1,
         kMsgCommunicationError},
        {"password reply read error", 10, std::nullopt, LinkFault::Io, 0x0FE0,
         kMsgProgramInterrupt},
        {"password ACK missing", 11, 0, LinkFault::Timeout, 0x0FE0, kMsgProgramInterrupt},
        {"eleven-byte block reply", CloneReadReplyIndex(0x0100), 11, LinkFault::ShortReply, 0x0100,
         kMsgProgramInterrupt},
        {"block reply missing", CloneReadReplyIndex(0x0100), 0, LinkFault::Timeout, 0x0100,
         kMsgProgramInterrupt},
        {"block reply read error", CloneReadReplyIndex(0x0C30), std::nullopt, LinkFault::Io, 0x0C30,
         kMsgProgramInterrupt},
        {"block ACK read error", CloneReadReplyIndex(0x0C30) + 1, std::nullopt, LinkFault::Io,
         0x0C30, kMsgProgramInterrupt},
        {"last block reply short", CloneReadReplyIndex(0x0FF8), 4, LinkFault::ShortReply, 0x0FF8,
         kMsgProgramInterrupt},
    };
    const RadioMemory memory = TestMemory();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.link.Script(CloneReadReplies(memory));
        if (c.shortTo) {
            rig.link.ShortenRead(c.readIndex, *c.shortTo);
        } else {
            rig.link.FailRead(c.readIndex);
        }

        const TransferResult result = rig.Clone(TransferDirection::Read);

        EXPECT_EQ(result.fault, c.fault);
        EXPECT_EQ(result.faultAddress, c.address);
        EXPECT_FALSE(rig.link.IsOpen());
        const std::vector<ScriptedLink::Call>& calls = rig.link.Calls();
        ASSERT_GE(calls.size(), 2u);
        if (c.fault == LinkFault::None) {
            EXPECT_EQ(result.outcome, TransferOutcome::Completed);
            EXPECT_TRUE(rig.observer.messages.empty());
            EXPECT_EQ(rig.link.UnreadReplies(), 0u);
            continue;
        }
        EXPECT_EQ(result.outcome, c.fault == LinkFault::PromptCancel ? TransferOutcome::Cancelled
                                                                     : TransferOutcome::Failed);
        EXPECT_EQ(rig.observer.messages, std::vector<LinkMessage>{c.shown});
        // The faulty read was the last one: the port closed right after it.
        EXPECT_EQ(calls[calls.size() - 2].op, ScriptedLink::Op::Read);
        EXPECT_EQ(rig.link.UnreadReplies(), CloneReadReplies(memory).size() - c.readIndex - 1);
    }
}

// A radio that does not answer on a USB adapter: the prompt names what else
// holds the adapter, and the transfer ends with that prompt's text.
TEST(EngineSteps, ThePromptNamesWhatHoldsTheAdapter) {
    Rig rig;
    rig.link.adapterHolders = {{{"minicom", 4242}}, {}};
    rig.link.Script(CloneReadReplies(TestMemory()));
    rig.link.FailRead(1); // the identification

    const TransferResult result = rig.Clone(TransferDirection::Read);

    EXPECT_EQ(result.fault, LinkFault::PromptCancel);
    LinkMessage expected = kMsgCommunicationError;
    expected.holders = {{{"minicom", 4242}}, {}};
    EXPECT_EQ(rig.observer.messages, std::vector<LinkMessage>{expected});
    EXPECT_EQ(LinkMessageText(rig.observer.messages.at(0), SourceTexts()),
              "Communication Error, Please check all the connections and the radio power\n"
              "The port is open in minicom (process 4242).");
}

// Reply headers on a clone read: once a reply of a radio echoed its request
// ("W", address, 8), every reply must; a reply that does not is acknowledged
// and asked for once more, and a second one ends the transfer. A foreign
// header before the first echo is taken as it is, and a radio none of whose
// replies echoes its request is not examined. Stray bytes before a reply
// leave its end on the line after the read of twelve bytes, arriving byte by
// byte (at 9600 baud, about a millisecond each): it is read and dropped
// until the line is quiet, before the ACK.
TEST(EngineSteps, ReplyHeadersOfARadioThatEchoesItsRequests) {
    const RadioMemory memory = TestMemory();
    const std::size_t block = CloneReadReplyIndex(0x0100);
    const std::size_t password = CloneReadReplyIndex(0) - 2;
    const ByteVector foreign{0x00, 0x57, 0x01, 0x00};
    auto withHeader = [](ByteVector reply, const ByteVector& header) {
        std::copy(header.begin(), header.end(), reply.begin());
        return reply;
    };
    using Headers = std::vector<std::pair<std::size_t, ByteVector>>; // reply index, header
    // The two band replies, the password reply and every block reply.
    Headers everyReplyForeign{{3, foreign}, {5, foreign}, {password, foreign}};
    for (int address = 0; address < kRadioMemorySize; address += 8) {
        everyReplyForeign.emplace_back(CloneReadReplyIndex(address), foreign);
    }
    struct Case {
        const char* name;
        Headers headers;
        int retried; // -1: none
        LinkFault fault;
        ByteVector stray{}; // before the reply of the data block
    };
    const Case cases[] = {
        {"a foreign header at a data block", {{block, foreign}}, 0x0100, LinkFault::None},
        {"a foreign header at the password block", {{password, foreign}}, 0x0FE0, LinkFault::None},
        {"a foreign header twice", {{block, foreign}}, 0x0100, LinkFault::BadReply},
        {"a foreign first header, then one at a data block",
         {{3, foreign}, {block, foreign}},
         0x0100,
         LinkFault::None},
        {"another radio: no header echoes its request", everyReplyForeign, -1, LinkFault::None},
        {"stray bytes before a data block, its end still arriving",
         {},
         0x0100,
         LinkFault::None,
         {0x11, 0x22, 0x33}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Replies replies = CloneReadReplies(memory);
        for (const auto& [index, header] : c.headers) {
            replies[index] = withHeader(replies[index], header);
        }
        if (c.retried >= 0) {
            // The reply to the second request, foreign again when the case says so.
            const std::size_t at = c.retried == 0x0FE0 ? password : block;
            const ByteVector again =
                c.fault == LinkFault::BadReply ? replies[at] : BlockReply(memory, c.retried);
            replies.insert(replies.begin() + static_cast<std::ptrdiff_t>(at) + 2, {again, {0x06}});
            // Before the foreign reply's ACK, a read that brings nothing: the line is quiet.
            replies.insert(replies.begin() + static_cast<std::ptrdiff_t>(at) + 1, ByteVector{});
            // A shifted reply: twelve bytes for its read, then its end one byte a read.
            ByteVector shifted = Concat({c.stray, replies[at]});
            replies[at] = ByteVector(shifted.begin(), shifted.begin() + 12);
            for (std::size_t i = 12; i < shifted.size(); ++i) {
                replies.insert(replies.begin() + static_cast<std::ptrdiff_t>(at + i - 11),
                               ByteVector{shifted[i]});
            }
        }
        Rig rig;
        rig.link.Script(replies);

        const TransferResult result = rig.Clone(TransferDirection::Read);

        EXPECT_EQ(result.fault, c.fault);
        EXPECT_FALSE(rig.link.IsOpen());
        const Lines calls = rig.link.Transcript();
        if (c.fault == LinkFault::BadReply) {
            EXPECT_EQ(result.outcome, TransferOutcome::Failed);
            EXPECT_EQ(result.faultAddress, c.retried);
            EXPECT_EQ(rig.observer.messages, std::vector<LinkMessage>{kMsgProgramInterrupt});
            // Nothing of the foreign replies reached the image.
            EXPECT_EQ(rig.image[0x0100], RadioImage{}[0x0100]);
            EXPECT_EQ(Lines(calls.end() - 5, calls.end()),
                      (Lines{"read 1", "clear", RequestLine('R', 0x0100, 8), "read 12", "close"}));
            continue;
        }
        EXPECT_EQ(result.outcome, TransferOutcome::Completed);
        EXPECT_TRUE(rig.observer.messages.empty());
        EXPECT_EQ(rig.link.UnreadReplies(), 0u);
        RadioImage expected;
        CopyRadioMemoryToImage(memory, expected);
        EXPECT_TRUE(rig.image == expected);
        Lines expectedCalls = CloneReadCalls();
        if (c.retried >= 0) {
            // Reads until the line is quiet, the foreign reply's ACK exchange,
            // cleared before, then the request again.
            const std::string request = RequestLine('R', c.retried, 8);
            auto at = std::find(expectedCalls.begin(), expectedCalls.end(), request) + 2;
            const Lines ack = c.retried == 0x0FE0 ? Lines{"clear", "write 06", "read 1"}
                                                  : Lines{"sleep 1", "clear", "write 06", "read 1"};
            Lines inserted(c.stray.size() + 1, "read 1");
            Add(inserted, ack);
            Add(inserted, {"clear", request, "read 12"});
            expectedCalls.insert(at, inserted.begin(), inserted.end());
        }
        ExpectSameCalls(calls, expectedCalls);
    }
}

} // namespace
