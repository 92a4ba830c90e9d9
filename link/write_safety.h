#pragma once
// A write to the radio with the two safety steps the user may choose:
// - read first: the radio is read (into a copy of the image, whose password
//   the read checks as any read does, except that a document whose password
//   shows empty also reads a radio whose password shows empty) before
//   anything is written, so that what it held can be kept and restored. A
//   read that does not complete ends the whole transfer: nothing is written.
// - verify: after a completed write the radio is read back (a second
//   programming-mode entry) and every block the write sent, and the closing
//   band byte, is compared with what was sent. A difference makes the write
//   a failure (LinkFault::VerifyMismatch), listed by meaning with the radio
//   address of each. A read-back that fails or is cancelled keeps its
//   outcome, and its one message says that the write completed and the
//   verify did not.
// Without either step it is exactly the plain write. Each step runs the
// clone engine with its own programming-mode entries; the port opens once,
// for the first step, and closes after the last. Each step is reported as a
// phase of the job (link/transfer_phase.h), progress starts over in each,
// and the status line names the read before and the read after the write.

#include "link/clone_engine.h"
#include "link/transfer_phase.h"
#include "model/image_compare.h"

#include <optional>
#include <vector>

struct WriteSafety {
    bool readFirst = false;
    bool verify = false;
};

// The steps of a write (never TransferStep::Read).
using WriteStage = TransferStep;

// One difference the read-back found, with the radio address it starts at.
struct VerifyMismatch {
    int address = -1;
    compare::Difference difference;
};

struct SafeWriteResult {
    // How it ended; after a read-back that differs, Failed with
    // LinkFault::VerifyMismatch and the first mismatch's address.
    TransferResult result;
    // The step that ended it (the last one run).
    WriteStage stage = WriteStage::Write;
    // The radio as read before the write, when that read completed.
    std::optional<RadioImage> before;
    std::vector<VerifyMismatch> mismatches;
};

// Status texts of the steps.
extern const TextId kReadFirstStatus;
extern const TextId kVerifyStatus;
// Said after a read-first that did not complete: nothing was written.
extern const TextId kReadFirstFailed;

// The read-back compared with what was written: the differences of the
// written blocks, then the closing band byte when it is not 0x03; what each
// shows in texts' language.
std::vector<VerifyMismatch> CompareWritten(const RadioImage& written, const RadioImage& readBack,
                                           const TextCatalogue& texts);

// texts: the catalogue the mismatches of the verify are shown in.
SafeWriteResult RunSafeWrite(SerialLink& link, TransferObserver& observer,
                             const std::atomic<bool>& cancel, const std::string& portName,
                             const RadioImage& image, WriteSafety safety,
                             const TextCatalogue& texts);

// A one-line account of a verify failure for the user (the catalogue's
// language): how many differences and where the first lies.
std::string VerifyFailureText(const std::vector<VerifyMismatch>& mismatches,
                              const TextCatalogue& texts);
// One line per mismatch: "0x0123 channel 13 Chnnel Name: "A" -> "B"" (sent, then read back).
std::string MismatchLine(const VerifyMismatch& mismatch, const TextCatalogue& texts);
