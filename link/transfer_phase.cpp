#include "link/transfer_phase.h"

#include "link/clone_engine.h"

#include <cstdio>

namespace {

int RowsOf(TransferStep step) {
    return step == TransferStep::Write ? kWriteRows : kReadRows;
}

// A text with one "%1", filled with the seconds to a tenth.
std::string WithSeconds(const TextCatalogue& texts, const TextId& text, double seconds) {
    char number[32];
    std::snprintf(number, sizeof number, "%.1f", seconds);
    return FormatText(texts.Tr(text), {number});
}

std::string CompletedLine(TransferStep step, double seconds, const TextCatalogue& texts) {
    switch (step) {
    case TransferStep::Read:
        return WithSeconds(texts, TEXT_ID("TransferPhase", "Read in %1 s"), seconds);
    case TransferStep::Verify:
        return WithSeconds(texts, TEXT_ID("TransferPhase", "Written and verified in %1 s"),
                           seconds);
    case TransferStep::ReadFirst: // a job never ends completed after its first step of two
    case TransferStep::Write:
        break;
    }
    return WithSeconds(texts, TEXT_ID("TransferPhase", "Written in %1 s"), seconds);
}

TextId CancelledLine(TransferStep step, const TransferResult& result) {
    switch (step) {
    case TransferStep::Read:
        return TEXT_ID("TransferPhase", "Read cancelled");
    case TransferStep::ReadFirst:
        return TEXT_ID("TransferPhase", "Cancelled before writing: nothing was written");
    case TransferStep::Verify:
        return TEXT_ID("TransferPhase", "Written; the verify was cancelled");
    case TransferStep::Write:
        break;
    }
    return result.radioPartlyWritten
               ? TEXT_ID("TransferPhase", "Write cancelled: the radio holds part of the new data")
               : TEXT_ID("TransferPhase", "Write cancelled: nothing was written");
}

TextId FailedLine(TransferStep step, const TransferResult& result) {
    switch (step) {
    case TransferStep::Read:
        return TEXT_ID("TransferPhase", "Read failed");
    case TransferStep::ReadFirst:
        return TEXT_ID("TransferPhase",
                       "The radio could not be read before writing: nothing was written");
    case TransferStep::Verify:
        return result.fault == LinkFault::VerifyMismatch
                   ? TEXT_ID("TransferPhase", "Written, but the verify found differences")
                   : TEXT_ID("TransferPhase", "Written; the verify could not finish");
    case TransferStep::Write:
        break;
    }
    return result.radioPartlyWritten
               ? TEXT_ID("TransferPhase", "Write failed: the radio holds part of the new data")
               : TEXT_ID("TransferPhase", "Write failed: nothing was written");
}

// A step's name, in lower case after "Step n of m: ".
TextId StepName(TransferStep step) {
    switch (step) {
    case TransferStep::Read:
        break;
    case TransferStep::ReadFirst:
        return TEXT_ID("TransferPhase", "reading the radio before writing");
    case TransferStep::Write:
        return TEXT_ID("TransferPhase", "writing the radio");
    case TransferStep::Verify:
        return TEXT_ID("TransferPhase", "reading the radio back to verify");
    }
    return TEXT_ID("TransferPhase", "reading the radio");
}

} // namespace

std::vector<TransferPhase> PlanPhases(TransferDirection direction, bool readFirst, bool verify) {
    std::vector<TransferStep> steps;
    if (direction == TransferDirection::Read) {
        steps.push_back(TransferStep::Read);
    } else {
        if (readFirst) {
            steps.push_back(TransferStep::ReadFirst);
        }
        steps.push_back(TransferStep::Write);
        if (verify) {
            steps.push_back(TransferStep::Verify);
        }
    }
    int total = 0;
    for (const TransferStep step : steps) {
        total += RowsOf(step);
    }
    std::vector<TransferPhase> phases;
    int before = 0;
    for (const TransferStep step : steps) {
        const int number = static_cast<int>(phases.size()) + 1;
        phases.push_back({step, number, static_cast<int>(steps.size()), before, total});
        before += RowsOf(step);
    }
    return phases;
}

std::string PhaseText(const TransferPhase& phase, const TextCatalogue& texts) {
    const std::string name = texts.Tr(StepName(phase.step));
    if (phase.count > 1) {
        return FormatText(texts.Tr("TransferPhase", "Step %1 of %2: %3"),
                          {std::to_string(phase.number), std::to_string(phase.count), name});
    }
    // A job of one step names it alone, as a sentence.
    std::string text = FormatText(texts.Tr("TransferPhase", "%1", "a job of one step"), {name});
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

std::string ResultLine(TransferStep endedIn, const TransferResult& result, double seconds,
                       const TextCatalogue& texts) {
    switch (result.outcome) {
    case TransferOutcome::Completed:
        return CompletedLine(endedIn, seconds, texts);
    case TransferOutcome::Cancelled:
        return texts.Tr(CancelledLine(endedIn, result));
    case TransferOutcome::Failed:
        break;
    }
    return texts.Tr(FailedLine(endedIn, result));
}
