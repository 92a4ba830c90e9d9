#include "link/transfer_steps.h"

#include "link/link_messages.h"

#include <array>

namespace {

constexpr std::array<std::uint8_t, 7> kProgramRequest{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};
constexpr std::array<std::uint8_t, 2> kIdentificationRequest{0x4D, 0x02};
constexpr std::size_t kIdentificationBytes = 8;

} // namespace

TransferSteps::TransferSteps(SerialLink& link, TransferObserver& observer,
                             const std::atomic<bool>* cancel)
    : m_link(link), m_observer(observer), m_cancel(cancel) {}

void TransferSteps::OpenAndConfigure(const std::string& portName) {
    if (!m_link.Open(portName)) {
        throw TransferStop{LinkFault::OpenFailed, -1, m_link.LastOpenFailure()};
    }
    m_link.SetTimeouts(kTransferTimeouts);
    m_link.SetLine9600_8N1();
    m_failureCount = 1;
}

void TransferSteps::PumpPass() {
    m_observer.Pump();
    TestCancel();
}

void TransferSteps::TestCancel() {
    if (m_cancel != nullptr && m_cancel->load()) {
        throw TransferStop{LinkFault::UserCancel};
    }
}

void TransferSteps::Prompt() {
    // A radio that does not answer on a USB adapter may have another program
    // in its way; the prompt names it when the system lets us see it.
    if (m_observer.OnCommunicationError(m_link.AdapterHolders()) == PromptAnswer::Cancel) {
        throw TransferStop{LinkFault::PromptCancel};
    }
    m_failureCount = 1;
}

TransferSteps::AckRead TransferSteps::ReadAck() {
    std::uint8_t byte = 0;
    const ReadResult result = m_link.Read(&byte, 1);
    if (result.error) {
        return AckRead::Error;
    }
    if (result.count == 0) {
        return AckRead::Nothing;
    }
    return byte == kAck ? AckRead::Ack : AckRead::Other;
}

void TransferSteps::EnterProgramMode(const EntryStyle& style) {
    for (;;) {
        if (style.pumpAndStatus) {
            for (int pass = 0; pass < 6; ++pass) {
                PumpPass();
                m_link.Sleep(1);
            }
            m_observer.OnStatusWords(kWaitingForRadio);
        } else {
            TestCancel();
        }
        m_link.Clear(); // the purge-all before the request
        for (const std::uint8_t byte : kProgramRequest) {
            m_link.Sleep(2);
            if (style.clearBeforeEachRequestByte) {
                m_link.Clear();
            }
            m_link.Write(&byte, 1);
        }

        // A second read only when the first one reported no error.
        AckRead request = ReadAck();
        if (request == AckRead::Nothing || request == AckRead::Other) {
            request = ReadAck();
        }
        if (request != AckRead::Ack) {
            m_link.Sleep(2);
            if (++m_failureCount > kAttemptLimit) {
                Prompt();
            }
            continue;
        }

        m_link.Sleep(1);
        m_link.Clear();
        m_link.Write(kIdentificationRequest.data(), kIdentificationRequest.size());
        std::array<std::uint8_t, kIdentificationBytes> identification{};
        if (m_link.Read(identification.data(), identification.size()).error) {
            Prompt();
            continue;
        }

        // The input is cleared before the ACK goes out, never after it: a
        // radio that answers at once has its ACK already waiting.
        m_link.Clear();
        m_link.Write(&kAck, 1);
        m_link.Sleep(1);
        const AckRead closing = ReadAck();
        if (closing != AckRead::Ack) {
            if (m_failureCount > kLateAckLimit) {
                throw TransferStop{closing == AckRead::Error ? LinkFault::Io : LinkFault::NoAck,
                                   -1};
            }
            ++m_failureCount;
            Prompt();
            continue;
        }
        return;
    }
}

void TransferSteps::Send(const std::uint8_t* data, std::size_t size) {
    if (!m_link.Write(data, size)) {
        throw TransferStop{LinkFault::Io, -1};
    }
}

void TransferSteps::SendRequest(std::uint8_t command, int address, int length) {
    const std::array<std::uint8_t, 4> request{command, static_cast<std::uint8_t>(address >> 8),
                                              static_cast<std::uint8_t>(address & 0xFF),
                                              static_cast<std::uint8_t>(length)};
    if (!m_link.Write(request.data(), request.size())) {
        throw TransferStop{LinkFault::Io, address};
    }
}

void TransferSteps::ReceiveReply(std::uint8_t* buffer, std::size_t size, int address) {
    const ReadResult result = m_link.Read(buffer, size);
    if (result.error) {
        throw TransferStop{LinkFault::Io, address};
    }
    if (result.count < size) {
        throw TransferStop{result.count == 0 ? LinkFault::Timeout : LinkFault::ShortReply, address};
    }
}

void TransferSteps::ExpectAck(int address) {
    switch (ReadAck()) {
    case AckRead::Ack:
        return;
    case AckRead::Nothing:
        throw TransferStop{LinkFault::Timeout, address};
    case AckRead::Other:
        throw TransferStop{LinkFault::NoAck, address};
    case AckRead::Error:
        throw TransferStop{LinkFault::Io, address};
    }
}

TransferResult FinishStopped(SerialLink& link, const TransferStop& stop) {
    link.Close();
    TransferResult result;
    result.fault = stop.fault;
    result.openFailure = stop.openFailure;
    result.faultAddress = stop.address;
    switch (stop.fault) {
    case LinkFault::UserCancel:
    case LinkFault::PromptCancel:
        result.outcome = TransferOutcome::Cancelled;
        break;
    default:
        result.outcome = TransferOutcome::Failed;
        break;
    }
    return result;
}
