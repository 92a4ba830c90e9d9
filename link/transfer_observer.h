#pragma once
// How a transfer talks to whoever runs it: progress, status text, the
// "Communication Error" prompt, its end, and the pump points where the caller
// may process its events. The calls come from the thread that runs the
// transfer; a window running it on a worker thread marshals them. Prompts and
// ends are typed: the observer words them (link/fault_messages.h).

#include "link/port_holders.h"
#include "link/transfer_phase.h"
#include "link/transfer_result.h"
#include "model/text_catalogue.h"

#include <string>

enum class PromptAnswer { Retry, Cancel };

class TransferObserver {
public:
    virtual ~TransferObserver() = default;

    // A step of a write began (the read before it, the write, the verify):
    // the progress positions that follow count within that step.
    virtual void OnPhase(const TransferPhase& phase) { (void)phase; }
    // The progress position after a row step (1..191).
    virtual void OnProgress(int position) { (void)position; }
    // The status line's words in the observer's language (UTF-8), as
    // OnStatusWords words them. The position itself comes through OnProgress
    // only.
    virtual void OnStatus(const std::string& text) { (void)text; }
    // The status line worded ("Waiting the response from radio...."): the
    // observer shows it in its language.
    virtual void OnStatusWords(const TextId& words) = 0;
    // The "Communication Error" prompt with Retry and Cancel (its words:
    // PromptMessage(holders)); the transfer waits for the answer. holders are
    // the other programs seen holding the port when it is a USB adapter.
    virtual PromptAnswer OnCommunicationError(const PortHolders& holders) = 0;
    // The transfer has ended and its port is closed: called once at the end
    // of every engine run, with the result the run returns. A window shows
    // the end's message (EndMessage) here, with an OK button; the transfer
    // waits until it returns.
    virtual void OnEnded(const TransferResult& result) = 0;
    // One pump pass: the caller may handle one waiting event (a window
    // running the transfer on its own thread processes its events here). The
    // cancel flag is tested right after every pump pass, and only there.
    virtual void Pump() {}
};
