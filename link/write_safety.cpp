#include "link/write_safety.h"

#include "link/address_map.h"
#include "link/forwarding_link.h"

namespace {

std::string AddressText(int address) {
    return compare::HexAddress(static_cast<std::size_t>(address));
}

// The port as the steps of one write share it: the first step opens it and
// it closes once, after the last, so that no other program (a modem manager
// probing a port that has just been closed) takes it in between and the
// radio is written on the port it was read from.
class HeldPort : public ForwardingLink {
public:
    using ForwardingLink::ForwardingLink;
    HeldPort(const HeldPort&) = delete;
    HeldPort& operator=(const HeldPort&) = delete;
    ~HeldPort() override { ForwardingLink::Close(); }

    bool Open(const std::string& portName) override {
        return IsOpen() || ForwardingLink::Open(portName);
    }
    void Close() override {}
};

// Passes everything on but the end of the step: the read-back's own failure
// message would say only "Program Interrupt" where the write itself
// completed.
class WithoutFinalMessage : public TransferObserver {
public:
    explicit WithoutFinalMessage(TransferObserver& inner) : m_inner(inner) {}

    void OnProgress(int position) override { m_inner.OnProgress(position); }
    void OnStatus(const std::string& text) override { m_inner.OnStatus(text); }
    void OnStatusWords(const TextId& words) override { m_inner.OnStatusWords(words); }
    PromptAnswer OnCommunicationError(const PortHolders& holders) override {
        return m_inner.OnCommunicationError(holders);
    }
    void OnEnded(const TransferResult&) override {}
    void Pump() override { m_inner.Pump(); }

private:
    TransferObserver& m_inner;
};

} // namespace

const TextId kReadFirstStatus = TEXT_ID("WriteSafety", "Reading the radio before writing....");
const TextId kVerifyStatus = TEXT_ID("WriteSafety", "Reading the radio back to verify....");
const TextId kReadFirstFailed = TEXT_ID(
    "WriteSafety", "The radio could not be read before writing. Nothing was written to the radio.");

std::vector<VerifyMismatch> CompareWritten(const RadioImage& written, const RadioImage& readBack,
                                           const TextCatalogue& texts) {
    // What the radio holds where the write sent blocks, laid over what was
    // sent: only written bytes can differ.
    RadioImage held = written;
    for (int address = 0; address < kRadioMemorySize; ++address) {
        if (IsWrittenBlockAddress(address)) {
            const std::size_t offset = ImageOffsetOfRadioAddress(address);
            held[offset] = readBack[offset];
        }
    }
    std::vector<VerifyMismatch> mismatches;
    for (compare::Difference& d : compare::CompareImages(written, held, texts)) {
        mismatches.push_back({RadioAddressOfImageOffset(d.offset), std::move(d)});
    }
    const std::size_t bandOffset = ImageOffsetOfRadioAddress(kBandTypeAddress);
    if (readBack[bandOffset] != kClosingBandValue) {
        // Named as the radio's band type, with its values as numbers.
        compare::Difference d;
        d.kind = compare::DifferenceKind::Field;
        d.group = "product";
        d.field = "band_type";
        d.offset = bandOffset;
        d.first = std::to_string(kClosingBandValue);
        d.second = std::to_string(readBack[bandOffset]);
        mismatches.push_back({kBandTypeAddress, d});
    }
    return mismatches;
}

SafeWriteResult RunSafeWrite(SerialLink& link, TransferObserver& observer,
                             const std::atomic<bool>& cancel, const std::string& portName,
                             const RadioImage& image, WriteSafety safety,
                             const TextCatalogue& texts) {
    SafeWriteResult out;
    HeldPort port(link);
    CloneEngine engine(port, observer, cancel);
    const std::vector<TransferPhase> phases =
        PlanPhases(TransferDirection::Write, safety.readFirst, safety.verify);
    auto phase = phases.begin();
    if (safety.readFirst) {
        out.stage = WriteStage::ReadFirst;
        observer.OnPhase(*phase++);
        observer.OnStatusWords(kReadFirstStatus);
        RadioImage before = image;
        out.result = engine.Run(TransferDirection::Read, portName, before,
                                PasswordCheck::ShownEmptyAlike);
        if (out.result.outcome != TransferOutcome::Completed) {
            return out;
        }
        out.before = before;
    }
    out.stage = WriteStage::Write;
    observer.OnPhase(*phase++);
    RadioImage sent = image;
    out.result = engine.Run(TransferDirection::Write, portName, sent);
    if (out.result.outcome != TransferOutcome::Completed || !safety.verify) {
        return out;
    }
    out.stage = WriteStage::Verify;
    observer.OnPhase(*phase);
    observer.OnStatusWords(kVerifyStatus);
    RadioImage readBack = image;
    WithoutFinalMessage verifyObserver(observer);
    const TransferResult verifyRead =
        CloneEngine(port, verifyObserver, cancel).Run(TransferDirection::Read, portName, readBack);
    if (verifyRead.outcome != TransferOutcome::Completed) {
        // The write itself completed, but nothing shows that the radio holds
        // it: the outcome stays a failure (or a cancel), and the message says both.
        out.result = verifyRead;
        out.result.verifyUnfinished = true;
        observer.OnEnded(out.result);
        return out;
    }
    out.mismatches = CompareWritten(image, readBack, texts);
    if (!out.mismatches.empty()) {
        out.result.outcome = TransferOutcome::Failed;
        out.result.fault = LinkFault::VerifyMismatch;
        out.result.faultAddress = out.mismatches.front().address;
    }
    return out;
}

std::string MismatchLine(const VerifyMismatch& mismatch, const TextCatalogue& texts) {
    const compare::Difference& d = mismatch.difference;
    if (d.kind == compare::DifferenceKind::Bytes) {
        // Bytes are placed by their radio addresses alone.
        const std::string last =
            d.size > 1 ? ".." + AddressText(mismatch.address + static_cast<int>(d.size) - 1) : "";
        return AddressText(mismatch.address) + last + ": " + d.first + " -> " + d.second;
    }
    return AddressText(mismatch.address) + " " + compare::DescribeDifference(d, texts);
}

std::string VerifyFailureText(const std::vector<VerifyMismatch>& mismatches,
                              const TextCatalogue& texts) {
    const std::string first =
        mismatches.empty() ? std::string() : MismatchLine(mismatches.front(), texts);
    return FormatText(texts.Tr("WriteSafety", "Verify failed: the radio holds %1 difference(s) "
                                              "from what was written. Write it again before "
                                              "use. First: %2"),
                      {std::to_string(mismatches.size()), first});
}
