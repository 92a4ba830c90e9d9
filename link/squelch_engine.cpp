#include "link/squelch_engine.h"

#include "link/address_map.h"
#include "link/transfer_steps.h"
#include "model/image_layout.h"

#include <array>

namespace {

constexpr std::size_t kSquelchReplyBytes = kReplyHeaderBytes + layout::kSquelchLevelCount;

// Runs one squelch transfer body between the entry and the close, turning a
// stop into the result; on success shows the success message after closing.
template <typename Body>
TransferResult RunSquelch(SerialLink& link, TransferObserver& observer,
                          const std::atomic<bool>* cancel, const std::string& portName,
                          const LinkMessage& success, Body body) {
    TransferSteps steps(link, observer, cancel);
    try {
        steps.OpenAndConfigure(portName);
        steps.EnterProgramMode(kSquelchEntry);
        body(steps);
    } catch (const TransferStop& stop) {
        return FinishStopped(link, observer, stop);
    }
    link.Close();
    observer.OnMessage(success);
    TransferResult result;
    result.outcome = TransferOutcome::Completed;
    return result;
}

} // namespace

SquelchEngine::SquelchEngine(SerialLink& link, TransferObserver& observer,
                             const std::atomic<bool>* cancel)
    : m_link(link), m_observer(observer), m_cancel(cancel) {}

TransferResult SquelchEngine::Read(const std::string& portName, RadioImage& image) {
    return RunSquelch(
        m_link, m_observer, m_cancel, portName, kMsgReadSuccessfully, [&](TransferSteps& steps) {
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
    return RunSquelch(
        m_link, m_observer, m_cancel, portName, kMsgWriteSuccessfully, [&](TransferSteps& steps) {
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
