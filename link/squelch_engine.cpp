#include "link/squelch_engine.h"

#include "link/address_map.h"
#include "link/transfer_steps.h"
#include "model/image_layout.h"

#include <array>

namespace {

constexpr std::size_t kSquelchReplyBytes = kReplyHeaderBytes + layout::kSquelchLevelCount;

// Runs one squelch transfer body between the entry and the close, turning a
// stop into the result; tells the observer how it ended once the port is
// closed.
template <typename Body>
TransferResult RunSquelch(SerialLink& link, TransferObserver& observer,
                          const std::atomic<bool>* cancel, const std::string& portName,
                          TransferKind kind, Body body) {
    TransferSteps steps(link, observer, cancel);
    TransferResult result;
    try {
        steps.OpenAndConfigure(portName);
        steps.EnterProgramMode(kSquelchEntry);
        body(steps);
        link.Close();
        result.outcome = TransferOutcome::Completed;
    } catch (const TransferStop& stop) {
        result = FinishStopped(link, stop);
    }
    result.kind = kind;
    observer.OnEnded(result);
    return result;
}

} // namespace

SquelchEngine::SquelchEngine(SerialLink& link, TransferObserver& observer,
                             const std::atomic<bool>* cancel)
    : m_link(link), m_observer(observer), m_cancel(cancel) {}

TransferResult SquelchEngine::Read(const std::string& portName, RadioImage& image) {
    constexpr TransferKind kRead = TransferKind::SquelchRead;
    return RunSquelch(m_link, m_observer, m_cancel, portName, kRead, [&](TransferSteps& steps) {
        steps.Link().Clear();
        steps.SendRequest(kReadCommand, kSquelchAddress, layout::kSquelchLevelCount);
        steps.Link().Sleep(1);
        std::array<std::uint8_t, kSquelchReplyBytes> reply{};
        steps.ReceiveReply(reply.data(), reply.size(), kSquelchAddress);
        for (int i = 0; i < layout::kSquelchLevelCount; ++i) {
            image[layout::kSquelchLevels + static_cast<std::size_t>(i)] =
                reply[static_cast<std::size_t>(kReplyHeaderBytes + i)];
        }
    });
}

TransferResult SquelchEngine::Write(const std::string& portName, RadioImage& image,
                                    const std::function<void(RadioImage&)>& storeLevels) {
    constexpr TransferKind kWrite = TransferKind::SquelchWrite;
    return RunSquelch(m_link, m_observer, m_cancel, portName, kWrite, [&](TransferSteps& steps) {
        if (storeLevels) {
            storeLevels(image);
        }
        steps.Link().Clear();
        steps.SendRequest(kWriteCommand, kSquelchAddress, layout::kSquelchLevelCount);
        steps.Link().Sleep(1);
        steps.Send(&image[layout::kSquelchLevels], layout::kSquelchLevelCount);
        steps.ExpectAck(kSquelchAddress);
    });
}
