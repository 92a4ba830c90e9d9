#include "link/clone_engine.h"

#include "link/address_map.h"
#include "link/transfer_steps.h"
#include "model/fields/optional_fields.h"
#include "model/image_layout.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr int kLinearRows = static_cast<int>(layout::kLinearRows);
constexpr int kFirstUpperRow = static_cast<int>(layout::kFirstUpperRow);
// Image row of a radio address in the upper part.
constexpr int RowOf(int address) {
    return static_cast<int>(ImageOffsetOfRadioAddress(address) / layout::kRowSize);
}
constexpr int kBandRow = RowOf(kBandBlockAddress); // the band-type block: never written
constexpr int kLastReadRow = static_cast<int>(layout::kRowCount) - 1;
constexpr int kLastWriteRow = RowOf(kBandCodeBlockAddress) - 1; // row 255 is only read
// Blocks of a row that travels whole, and of an upper row.
constexpr int kLinearRowBlocks = static_cast<int>(layout::kRowSize) / kBlockBytes;
constexpr int kUpperRowBlocks = static_cast<int>(layout::kUpperRowBytes) / kBlockBytes;
constexpr std::array<std::uint8_t, 4> kClosingBandHeader{kWriteCommand, kBandTypeAddress >> 8,
                                                         kBandTypeAddress & 0xFF, 0x01};

static_assert(kLinearRowBlocks * kBlockBytes == static_cast<int>(layout::kRowSize));
static_assert(kUpperRowBlocks * kBlockBytes == static_cast<int>(layout::kUpperRowBytes));
// The password lies inside the block the password check reads.
static_assert(kPasswordAddress - kPasswordBlockAddress + static_cast<int>(layout::kPasswordSize) <=
              kBlockBytes);

bool IsRefusedBandType(std::uint8_t bandType) {
    return bandType == 1 || bandType == 2 || bandType == 4 || bandType == 5;
}

// What the link does before a request or an ACK goes out.
struct Lead {
    bool waitOneMs = false;
    bool clear = false;
};
constexpr Lead kNoLead{.waitOneMs = false, .clear = false};
constexpr Lead kClear{.waitOneMs = false, .clear = true};
constexpr Lead kWaitAndClear{.waitOneMs = true, .clear = true};

// One run of the transfer: the shared steps plus the progress position.
class CloneRun {
public:
    CloneRun(SerialLink& link, TransferObserver& observer, const std::atomic<bool>& cancel,
             RadioImage& image, PasswordCheck passwordCheck)
        : m_steps(link, observer, &cancel), m_image(image), m_passwordCheck(passwordCheck) {}

    void Run(TransferDirection direction, const std::string& portName) {
        m_steps.OpenAndConfigure(portName);
        m_steps.EnterProgramMode(kCloneEntry);
        CheckBandType();
        m_steps.EnterProgramMode(kCloneEntry);
        if (direction == TransferDirection::Write) {
            WriteAll();
        } else {
            ReadAll();
        }
        m_steps.Link().Close();
    }

    int Progress() const { return m_progress; }
    bool DataSent() const { return m_dataSent; }

private:
    using Reply = std::array<std::uint8_t, kReplyHeaderBytes + kBlockBytes>;

    void Prepare(const Lead& lead) {
        if (lead.waitOneMs) {
            m_steps.Link().Sleep(1);
        }
        if (lead.clear) {
            m_steps.Link().Clear();
        }
    }

    // Requests the block at address and returns its reply.
    Reply RequestBlock(int address, const Lead& lead) {
        Prepare(lead);
        m_steps.SendRequest(kReadCommand, address, kBlockBytes);
        Reply reply{};
        m_steps.ReceiveReply(reply.data(), reply.size(), address);
        return reply;
    }

    static bool EchoesRequest(const Reply& reply, int address) {
        return reply[0] == kWriteCommand && reply[1] == static_cast<std::uint8_t>(address >> 8) &&
               reply[2] == static_cast<std::uint8_t>(address & 0xFF) && reply[3] == kBlockBytes;
    }

    // A radio that echoes a request in its reply's header ("W", address,
    // length) does so for every block: once a reply did, a reply that does
    // not is noise or shifted by stray bytes. Until then the headers are not
    // examined, so that a radio with other headers still reads and one noisy
    // reply does not decide the kind of radio.
    bool HeaderAccepted(const Reply& reply, int address) {
        if (EchoesRequest(reply, address)) {
            m_echoingRadio = true;
            return true;
        }
        return !m_echoingRadio;
    }

    // Requests the block and returns a reply whose header is accepted. A
    // reply that is not is acknowledged as any other once the line is quiet
    // (the radio then waits for the next request) and the block is requested
    // once more; a second such reply stops the transfer.
    Reply RequestCheckedBlock(int address, const Lead& lead, const Lead& ackLead) {
        const Reply reply = RequestBlock(address, lead);
        if (HeaderAccepted(reply, address)) {
            return reply;
        }
        WaitForQuietLine();
        AcknowledgeBlock(address, Lead{.waitOneMs = ackLead.waitOneMs, .clear = true});
        const Reply again = RequestBlock(address, kClear);
        if (HeaderAccepted(again, address)) {
            return again;
        }
        throw TransferStop{LinkFault::BadReply, address};
    }

    // Reads and drops what still arrives after a reply that was not accepted:
    // stray bytes before a reply leave its end on the line after the read of
    // twelve bytes, and the ACK read would take a byte of it for the radio's
    // answer. Done when a read brings nothing (or fails, which the ACK read
    // then meets); a line that keeps sending is waited out for a few
    // replies' worth of bytes, and the repeated request meets the rest.
    void WaitForQuietLine() {
        constexpr int kMostDroppedBytes = 4 * (kReplyHeaderBytes + kBlockBytes);
        std::uint8_t dropped = 0;
        for (int count = 0; count < kMostDroppedBytes; ++count) {
            const ReadResult result = m_steps.Link().Read(&dropped, 1);
            if (result.error || result.count == 0) {
                return;
            }
        }
    }

    // Sends the ACK for a received block and expects the radio's ACK.
    void AcknowledgeBlock(int address, const Lead& lead) {
        Prepare(lead);
        m_steps.Send(&kAck, 1);
        m_steps.ExpectAck(address);
    }

    void CheckBandType() {
        const Reply first = RequestCheckedBlock(kBandBlockAddress, kClear, kWaitAndClear);
        AcknowledgeBlock(kBandBlockAddress, kWaitAndClear);
        RequestCheckedBlock(kBandBlockAddress + kBlockBytes, kClear, kWaitAndClear);
        AcknowledgeBlock(kBandBlockAddress + kBlockBytes, kWaitAndClear);
        if (IsRefusedBandType(first[kReplyHeaderBytes + 1])) {
            throw TransferStop{LinkFault::BandType, kBandBlockAddress};
        }
    }

    void RowStep() {
        if (m_progress < kProgressRange) {
            ++m_progress;
            m_steps.Observer().OnProgress(m_progress);
        }
        for (int pass = 0; pass < 5; ++pass) {
            m_steps.PumpPass();
        }
    }

    void ReadBlockInto(int address, std::size_t imageOffset, const Lead& ackLead) {
        const Reply reply = RequestCheckedBlock(address, kClear, ackLead);
        for (int i = 0; i < kBlockBytes; ++i) {
            m_image[imageOffset + static_cast<std::size_t>(i)] = reply[kReplyHeaderBytes + i];
        }
        AcknowledgeBlock(address, ackLead);
    }

    bool PasswordAccepted(const std::uint8_t* radio) const {
        if (std::equal(radio, radio + layout::kPasswordSize, m_image.data() + layout::kPassword)) {
            return true;
        }
        return m_passwordCheck == PasswordCheck::ShownEmptyAlike &&
               optional_features::LoadPassword(m_image).empty() &&
               optional_features::ShownPassword(radio).empty();
    }

    void ReadAll() {
        // The password check sends its request and its ACK without a clear.
        const Reply password = RequestCheckedBlock(kPasswordBlockAddress, kNoLead, kNoLead);
        const int passwordAt = kReplyHeaderBytes + (kPasswordAddress - kPasswordBlockAddress);
        if (!PasswordAccepted(password.data() + passwordAt)) {
            throw TransferStop{LinkFault::Password, kPasswordBlockAddress};
        }
        AcknowledgeBlock(kPasswordBlockAddress, kNoLead);

        // The first loop waits 1 ms before the second and third block of a
        // row and before each ACK; the second loop does not wait.
        int address = 0;
        for (int row = 0; row < kLinearRows; ++row) {
            for (int block = 0; block < kLinearRowBlocks; ++block, address += kBlockBytes) {
                if (block > 0) {
                    m_steps.Link().Sleep(1);
                }
                ReadBlockInto(address, static_cast<std::size_t>(address), kWaitAndClear);
            }
            RowStep();
        }
        for (int row = kFirstUpperRow; row <= kLastReadRow; ++row) {
            for (int block = 0; block < kUpperRowBlocks; ++block, address += kBlockBytes) {
                ReadBlockInto(address, ImageOffsetOfRadioAddress(address), kClear);
            }
            RowStep();
        }
    }

    void WriteBlockFrom(int address, std::size_t imageOffset) {
        // From the first block's request on, the radio may have taken new data.
        m_dataSent = true;
        m_steps.Link().Clear();
        m_steps.SendRequest(kWriteCommand, address, kBlockBytes);
        m_steps.Link().Sleep(1);
        m_steps.Send(&m_image[imageOffset], kBlockBytes);
        m_steps.ExpectAck(address);
    }

    void WriteAll() {
        int address = 0;
        for (int row = 0; row < kLinearRows; ++row) {
            for (int block = 0; block < kLinearRowBlocks; ++block, address += kBlockBytes) {
                WriteBlockFrom(address, static_cast<std::size_t>(address));
            }
            RowStep();
        }
        for (int row = kFirstUpperRow; row <= kLastWriteRow; ++row) {
            if (row == kBandRow) {
                address += static_cast<int>(layout::kUpperRowBytes);
                continue;
            }
            for (int block = 0; block < kUpperRowBlocks; ++block, address += kBlockBytes) {
                WriteBlockFrom(address, ImageOffsetOfRadioAddress(address));
            }
            RowStep();
        }

        m_steps.Link().Clear();
        m_steps.Send(kClosingBandHeader.data(), kClosingBandHeader.size());
        m_steps.Link().Sleep(1);
        m_steps.Send(&kClosingBandValue, 1);
        m_steps.ExpectAck(kBandTypeAddress);
    }

    TransferSteps m_steps;
    RadioImage& m_image;
    PasswordCheck m_passwordCheck;
    int m_progress = 0;
    // Whether a reply of this transfer echoed its request in its header.
    bool m_echoingRadio = false;
    // Whether a write has begun to send data blocks.
    bool m_dataSent = false;
};

} // namespace

CloneEngine::CloneEngine(SerialLink& link, TransferObserver& observer,
                         const std::atomic<bool>& cancel)
    : m_link(link), m_observer(observer), m_cancel(cancel) {}

TransferResult CloneEngine::Run(TransferDirection direction, const std::string& portName,
                                RadioImage& image, PasswordCheck passwordCheck) {
    CloneRun run(m_link, m_observer, m_cancel, image, passwordCheck);
    TransferResult result;
    try {
        run.Run(direction, portName);
        result.outcome = TransferOutcome::Completed;
    } catch (const TransferStop& stop) {
        result = FinishStopped(m_link, stop);
        result.radioPartlyWritten = run.DataSent();
    }
    result.progress = run.Progress();
    m_observer.OnEnded(result);
    return result;
}
