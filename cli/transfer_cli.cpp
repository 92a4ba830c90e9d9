#include "cli/transfer_cli.h"

#include "cli/cli_common.h"
#include "cli/history_cli.h"
#include "cli/interrupts.h"
#include "cli/progress_line.h"
#include "link/clone_engine.h"
#include "link/fault_messages.h"
#include "link/port_name.h"
#include "link/squelch_engine.h"
#include "link/wire_log_link.h"
#include "link_qt/qt_serial_link.h"
#include "model/channel_codec.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <iostream>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

// The most "Communication Error" prompts --retry answers with Retry.
constexpr long kMaxRetries = 1000;

bool IsNumber(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

} // namespace

std::optional<TransferOptions> ParseTransferOptions(const CommandArgs& args, const char* usage,
                                                    const TransferArguments& allowed) {
    TransferOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        std::string* target = nullptr;
        if (arg == "--port") {
            target = &options.port;
        } else if (arg == "--quiet") {
            options.quiet = true;
            continue;
        } else if (arg == "--wire-log") {
            target = &options.wireLog;
        } else if (arg == "-o" && allowed.outputFile) {
            target = &options.output;
        } else if (arg == "--template" && allowed.templateFile) {
            target = &options.templ;
        } else if (arg == "--retry") {
            long retries = 0;
            if (!hasValue || !ParseNumberOption(args[i + 1], 0, kMaxRetries, retries)) {
                UsageFail("--retry needs a number from 0 to " + std::to_string(kMaxRetries), usage);
                return std::nullopt;
            }
            options.retries = static_cast<int>(retries);
            ++i;
            continue;
        } else if (arg == "--no-history" && allowed.history) {
            options.noHistory = true;
            continue;
        } else if (arg == "--verify" && allowed.writeSafety) {
            options.safety.verify = true;
            continue;
        } else if (arg == "--backup" && allowed.writeSafety) {
            options.safety.readFirst = true;
            continue;
        } else if (allowed.documentFile && options.file.empty() && !arg.starts_with("-")) {
            options.file = arg;
            continue;
        } else {
            UsageFail("unexpected argument \"" + arg + "\"", usage);
            return std::nullopt;
        }
        if (!hasValue) {
            UsageFail(arg + " needs a value", usage);
            return std::nullopt;
        }
        *target = args[++i];
    }
    if (options.port.empty()) {
        UsageFail("no port given (--port DEVICE)", usage);
        return std::nullopt;
    }
    if (allowed.documentFile && options.file.empty()) {
        UsageFail("no file given", usage);
        return std::nullopt;
    }
    return options;
}

std::string PortFromArgument(const std::string& argument) {
    if (IsNumber(argument) && argument.size() <= 3) {
        return PortNameFromNumber(std::stoi(argument));
    }
    return argument;
}

CliTransferObserver::CliTransferObserver(int progressTotal, const TransferOptions& options)
    : m_total(progressTotal), m_retriesLeft(options.retries), m_quiet(options.quiet),
      m_terminal(::isatty(2) == 1), m_start(std::chrono::steady_clock::now()),
      m_texts(*options.texts) {}

void CliTransferObserver::EndBar() {
    if (m_barShown) {
        std::cerr << '\n';
        m_barShown = false;
    }
}

void CliTransferObserver::OnProgress(int position) {
    const int previous = m_lastPosition;
    m_lastPosition = position;
    if (m_quiet) {
        return;
    }
    if (!m_terminal) {
        if (const auto line = ProgressTenthLine(previous, position, m_total)) {
            std::cerr << *line << '\n';
        }
        return;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - m_start;
    // Back to the line's start, the new line, then erase what a longer line left.
    std::cerr << '\r' << ProgressBarLine(position, m_total, elapsed.count()) << "\x1B[K"
              << std::flush;
    m_barShown = true;
}

void CliTransferObserver::OnStatus(const std::string& text) {
    // Each text once.
    if (m_quiet || text == m_lastStatus) {
        return;
    }
    m_lastStatus = text;
    EndBar();
    std::cerr << text << '\n';
}

void CliTransferObserver::OnStatusWords(const TextId& words) {
    OnStatus(m_texts.Tr(words));
}

PromptAnswer CliTransferObserver::OnCommunicationError(const PortHolders& holders) {
    EndBar();
    std::cerr << LinkMessageText(PromptMessage(holders), m_texts) << '\n';
    if (m_retriesLeft > 0) {
        --m_retriesLeft;
        std::cerr << "Retry\n";
        m_lastStatus.clear();
        return PromptAnswer::Retry;
    }
    return PromptAnswer::Cancel;
}

void CliTransferObserver::OnEnded(const TransferResult&) {
    // The command's end is worded by Finish, from the result it returns.
}

int CliTransferObserver::Finish(const TransferResult& result) {
    EndBar();
    // None after a prompt cancel: the prompt's text was printed when it was asked.
    const std::optional<LinkMessage> message = EndMessage(result);
    if (result.outcome == TransferOutcome::Completed) {
        if (message) {
            std::cout << LinkMessageText(*message, m_texts) << '\n';
        }
        return kExitOk;
    }
    if (result.fault == LinkFault::UserCancel) {
        std::cerr << "program-cli: transfer cancelled\n";
        if (message) {
            // A write cancelled part-way: the radio's state.
            std::cerr << LinkMessageText(*message, m_texts) << '\n';
        }
        return kExitCancelled;
    }
    if (message) {
        std::cerr << LinkMessageText(*message, m_texts) << '\n';
    }
    const bool refused = result.fault == LinkFault::BandType || result.fault == LinkFault::Password;
    return refused ? kExitRadioRefused : kExitTransfer;
}

namespace {

// Runs body with the serial port of the options (logging to the wire log when
// asked) and an observer; returns the exit code.
template <typename Body>
int WithLink(const TransferOptions& options, int progressTotal, Body body) {
    const SerialPortsApplication app;
    QtSerialLink serial;
    std::ofstream log;
    std::unique_ptr<WireLogLink> logged;
    if (!options.wireLog.empty()) {
        log.open(options.wireLog, std::ios::trunc);
        if (!log.is_open()) {
            return Fail(kExitFile, "cannot write the wire log " + options.wireLog);
        }
        logged = std::make_unique<WireLogLink>(serial, log);
    }
    SerialLink& link = logged ? static_cast<SerialLink&>(*logged) : serial;
    CliTransferObserver observer(progressTotal, options);
    const InterruptAsCancel interrupts;
    return observer.Finish(body(link, observer, PortFromArgument(options.port)));
}

// After a write: keeps what a read-first found in the radio history, says
// when a read-first that failed or was cancelled left the radio untouched,
// and lists what the read-back found.
void ReportWriteSafety(const SafeWriteResult& written, const WriteSafety& safety,
                       const TextCatalogue& texts) {
    if (written.before) {
        KeepInHistory(*written.before, "radio before writing", texts);
    } else if (safety.readFirst && written.stage == WriteStage::ReadFirst) {
        // Ctrl+C or a termination is no fault of the read (the prompt
        // --retry leaves unanswered is one, as in Finish). A cancelled job's
        // line has no time in it.
        const bool cancelled = written.result.fault == LinkFault::UserCancel;
        std::cerr << "program-cli: "
                  << (cancelled ? ResultLine(TransferStep::ReadFirst, written.result, 0.0, texts)
                                : texts.Tr(kReadFirstFailed))
                  << '\n';
    }
    if (!written.mismatches.empty()) {
        std::cerr << VerifyFailureText(written.mismatches, texts) << '\n';
        for (const VerifyMismatch& mismatch : written.mismatches) {
            std::cerr << "  " << EscapeControls(MismatchLine(mismatch, texts)) << '\n';
        }
    }
}

} // namespace

int RunCloneCommand(TransferDirection direction, const TransferOptions& options, CliDocument& doc) {
    const int total = direction == TransferDirection::Read ? kReadRows : kWriteRows;
    SafeWriteResult written;
    const int code = WithLink(
        options, total, [&](SerialLink& link, TransferObserver& observer, const std::string& port) {
            RadioImage& image = doc.Doc().Image();
            EncodeChannels(doc.Table(), image, doc.Bands());
            TransferResult result;
            if (direction == TransferDirection::Write) {
                written = RunSafeWrite(link, observer, InterruptAsCancel::Flag(), port, image,
                                       options.safety, *options.texts);
                result = written.result;
            } else {
                result = CloneEngine(link, observer, InterruptAsCancel::Flag())
                             .Run(direction, port, image);
            }
            return result;
        });
    ReportWriteSafety(written, options.safety, *options.texts);
    return code;
}

int RunSquelchCommand(TransferDirection direction, const TransferOptions& options,
                      CliDocument& doc) {
    return WithLink(options, 0,
                    [&](SerialLink& link, TransferObserver& observer, const std::string& port) {
                        SquelchEngine engine(link, observer, &InterruptAsCancel::Flag());
                        RadioImage& image = doc.Doc().Image();
                        return direction == TransferDirection::Write ? engine.Write(port, image)
                                                                     : engine.Read(port, image);
                    });
}
