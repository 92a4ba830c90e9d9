#pragma once
// The steps of one transfer of the Process window and where each stands in
// the whole job: a read is one step; a write is the write, with the read of
// the radio before it and the read-back to verify it after it when those are
// on. The window runs its bar once over all the steps (each step's rows
// after the rows of the steps before it), names the step it is in, and
// words the end of the job as one result line.

#include "link/transfer_result.h"
#include "model/text_catalogue.h"

#include <string>
#include <vector>

enum class TransferStep { Read, ReadFirst, Write, Verify };

// One step as begun: its number among count steps, and the progress rows of
// the steps before it and of the whole job.
struct TransferPhase {
    TransferStep step = TransferStep::Read;
    int number = 1;
    int count = 1;
    int rowsBefore = 0;
    int rowsTotal = 0;

    bool operator==(const TransferPhase&) const = default;
};

// The phases of a transfer in the order they run.
std::vector<TransferPhase> PlanPhases(TransferDirection direction, bool readFirst, bool verify);

// The step's name for the window (the catalogue's language), with its number
// when the job has more than one: "Step 1 of 3: reading the radio before
// writing".
std::string PhaseText(const TransferPhase& phase, const TextCatalogue& texts);

// What the job did, from the step it ended in and how (the catalogue's
// language): "Read in 11.2 s", "Written and verified in 18.7 s", "Cancelled
// before writing: nothing was written".
std::string ResultLine(TransferStep endedIn, const TransferResult& result, double seconds,
                       const TextCatalogue& texts);
