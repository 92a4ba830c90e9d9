#pragma once
// What the transfer commands share: their options, the serial port (with the
// wire log when asked), and the terminal side of a transfer: a progress bar
// on stderr when it is a terminal, a line at each tenth otherwise, nothing
// with --quiet; the answers to the "Communication Error" prompt; and Ctrl+C,
// SIGTERM and SIGHUP as the Cancel button.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "link/transfer_observer.h"
#include "link/transfer_result.h"
#include "link/write_safety.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <optional>
#include <string>

struct TransferOptions {
    std::string port;       // --port: a device path, a port name or a port number
    std::string wireLog;    // --wire-log FILE
    int retries = 0;        // --retry N
    bool quiet = false;     // --quiet: no progress and no status lines
    std::string output;     // -o FILE
    std::string templ;      // --template FILE (read only)
    std::string file;       // the positional FILE.dat
    bool noHistory = false; // --no-history (read)
    WriteSafety safety;     // --backup, --verify (write)
    // The catalogue the transfer's texts are worded in (these commands speak English).
    const TextCatalogue* texts = &SourceTexts();
};

// What a command takes besides --port, --wire-log and --retry.
struct TransferArguments {
    bool templateFile = false; // --template FILE
    bool outputFile = false;   // -o FILE
    bool documentFile = false; // the positional FILE.dat, required
    bool history = false;      // --no-history
    bool writeSafety = false;  // --backup, --verify
};

// Parses the options a command allows (flags of the form "--template"); on a
// usage error prints it and returns nothing.
std::optional<TransferOptions> ParseTransferOptions(const CommandArgs& args, const char* usage,
                                                    const TransferArguments& allowed);

// The port name a --port value stands for: a bare number n is port n
// ("COM3", "\\.\COM12"); anything else is used as it stands.
std::string PortFromArgument(const std::string& argument);

// Encodes the document's channel table into its image and runs the clone
// transfer on the port of the options (Ctrl+C, SIGTERM or SIGHUP cancels
// after the current row); a write takes the options' safety steps and keeps a
// read-first in the radio history. Returns the exit code; the caller decodes
// and saves after a completed read.
int RunCloneCommand(TransferDirection direction, const TransferOptions& options, CliDocument& doc);

// Runs the squelch read or write on the document's image (a signal as above
// cancels before the next programming-mode attempt); returns the exit code.
int RunSquelchCommand(TransferDirection direction, const TransferOptions& options,
                      CliDocument& doc);

class CliTransferObserver : public TransferObserver {
public:
    CliTransferObserver(int progressTotal, const TransferOptions& options);

    void OnProgress(int position) override;
    void OnStatus(const std::string& text) override;
    void OnStatusWords(const TextId& words) override;
    PromptAnswer OnCommunicationError(const PortHolders& holders) override;
    void OnEnded(const TransferResult& result) override;

    // Prints how the transfer ended and returns the exit code: 0 when it
    // completed (a success message goes to stdout), otherwise 5 when the
    // radio refused, 6 when cancelled by a signal and 4 for any other
    // failure (the failure message, and whether the radio is left partly
    // written, on stderr).
    int Finish(const TransferResult& result);

private:
    void EndBar();

    int m_total;
    int m_retriesLeft;
    bool m_quiet;
    bool m_terminal;
    bool m_barShown = false;
    int m_lastPosition = 0;
    std::chrono::steady_clock::time_point m_start;
    std::string m_lastStatus;
    const TextCatalogue& m_texts;
};
