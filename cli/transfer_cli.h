#pragma once
// What the transfer commands share: their options, the serial port (with the
// wire log when asked), and the terminal side of a transfer: a progress bar
// on stderr when it is a terminal, plain lines otherwise, the answers to the
// "Communication Error" prompt, and Ctrl+C as the Cancel button.

#include "cli/commands.h"
#include "link/transfer_observer.h"
#include "link/transfer_result.h"

#include <atomic>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

class SerialLink;

// A transfer that did not complete.
inline constexpr int kExitTransfer = 4;

struct TransferOptions {
    std::string port;    // --port: a device path, a port name or a port number
    std::string wireLog; // --wire-log FILE
    int retries = 0;     // --retry N
    std::string output;  // -o FILE
    std::string templ;   // --template FILE (read only)
    std::string file;    // the positional FILE.dat
};

// Parses the options a command allows (flags of the form "--template"); on a
// usage error prints it and returns nothing.
std::optional<TransferOptions> ParseTransferOptions(const CommandArgs& args, const char* usage,
                                                    bool allowTemplate, bool allowOutput,
                                                    bool wantFile);

// The port name a --port value stands for: a bare number n is port n
// ("COM3", "\\.\COM12"); anything else is used as it stands.
std::string PortFromArgument(const std::string& argument);

// The Qt serial backend needs a core application object; makes one once.
void EnsureCoreApplication();

// The serial port of one transfer, logging to the wire log when asked.
class CliLink {
public:
    explicit CliLink(const std::string& wireLogPath);
    ~CliLink();
    SerialLink& Link();
    bool LogOpen() const;

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

class CliTransferObserver : public TransferObserver {
public:
    CliTransferObserver(int progressTotal, int retries);

    void OnProgress(int position) override;
    void OnStatus(const std::string& text) override;
    PromptAnswer OnCommunicationError(const LinkMessage& message) override;
    void OnMessage(const LinkMessage& message) override;

    // Prints how the transfer ended and returns the exit code: 0 when it
    // completed (a success message goes to stdout), 4 otherwise (the failure
    // message on stderr).
    int Finish(const TransferResult& result);

private:
    void EndBar();

    int m_total;
    int m_retriesLeft;
    bool m_terminal;
    bool m_barShown = false;
    std::string m_lastStatus;
    std::optional<LinkMessage> m_message;
};

// Ctrl+C sets the returned flag (the Cancel button of the transfer) for as
// long as the guard lives.
class CancelOnInterrupt {
public:
    CancelOnInterrupt();
    ~CancelOnInterrupt();
    const std::atomic<bool>& Flag() const;
};
