// program-cli clone IMAGE.dat --port P [--port P2 ...]: writes IMAGE into one
// radio after another on every port at once (a clone station per port), until
// --count radios are done or a signal ends it. Enter on stdin releases every
// station that waits for the operator; the end of stdin lets each station end
// after its radio.

#include "cli/cli_common.h"
#include "cli/clone_cli.h"
#include "cli/interrupts.h"
#include "cli/transfer_cli.h"
#include "link_qt/qt_serial_link.h"
#include "model/channel_codec.h"
#include "settings/program_context.h"
#include "station/clone_station.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>

namespace {

constexpr const char* kUsage = "clone IMAGE.dat --port DEVICE [--port DEVICE ...] [--verify] "
                               "[--backup] [--count N] [--log LOG.csv] [--lang en|zh] [--quiet]";
constexpr long kMaxCount = 100000;

struct CloneOptions {
    std::string image;
    std::vector<std::string> ports;
    WriteSafety safety;
    int count = 0;
    std::string log;
    bool quiet = false;
    const TextCatalogue* texts = &SourceTexts();
};

std::optional<CloneOptions> ParseCloneOptions(const CommandArgs& args) {
    CloneOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const bool takesValue =
            arg == "--port" || arg == "--count" || arg == "--log" || arg == "--lang";
        if (takesValue && !hasValue) {
            UsageFail(arg + " needs a value", kUsage);
            return std::nullopt;
        }
        if (arg == "--port") {
            const std::string port = PortFromArgument(args[++i]);
            if (std::find(options.ports.begin(), options.ports.end(), port) !=
                options.ports.end()) {
                UsageFail("the port " + port + " is given twice", kUsage);
                return std::nullopt;
            }
            options.ports.push_back(port);
        } else if (arg == "--count") {
            long count = 0;
            if (!ParseNumberOption(args[++i], 1, kMaxCount, count)) {
                UsageFail("--count needs a number from 1 to " + std::to_string(kMaxCount), kUsage);
                return std::nullopt;
            }
            options.count = static_cast<int>(count);
        } else if (arg == "--log") {
            options.log = args[++i];
        } else if (arg == "--lang") {
            if ((options.texts = LanguageOption(args[++i])) == nullptr) {
                UsageFail("--lang takes en or zh", kUsage);
                return std::nullopt;
            }
        } else if (arg == "--verify") {
            options.safety.verify = true;
        } else if (arg == "--backup") {
            options.safety.readFirst = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if (options.image.empty() && !arg.starts_with("-")) {
            options.image = arg;
        } else {
            UsageFail("unexpected argument \"" + arg + "\"", kUsage);
            return std::nullopt;
        }
    }
    if (options.image.empty()) {
        UsageFail("no file given", kUsage);
        return std::nullopt;
    }
    if (options.ports.empty()) {
        UsageFail("no port given (--port DEVICE)", kUsage);
        return std::nullopt;
    }
    return options;
}

std::string FileSha256(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

// Runs until every station has stopped: a signal cancels them, a line on
// stdin releases those that wait for the operator, the end of stdin tells
// them that no release will come.
void ServeOperator(CloneStations& stations, CloneControl& control) {
    bool input = true;
    bool cancelled = false;
    while (!stations.Finished()) {
        if (!cancelled && InterruptAsCancel::Flag().load()) {
            cancelled = true;
            control.Cancel();
        }
        pollfd in{.fd = 0, .events = POLLIN, .revents = 0};
        constexpr int kTickMs = 50;
        if (::poll(&in, input ? 1 : 0, kTickMs) <= 0 || !input) {
            continue;
        }
        char buffer[256];
        const ssize_t got = (in.revents & POLLNVAL) ? -1 : ::read(0, buffer, sizeof buffer);
        if (got <= 0) {
            input = false;
            control.CloseGate();
        } else if (std::find(buffer, buffer + got, '\n') != buffer + got) {
            control.Release();
        }
    }
}

// Starts the stations with the signals blocked, so that their threads
// inherit the block and every signal comes to this thread, which turns it
// into the cancel: a station's waits on its port are never interrupted.
void StartWithSignalsHere(CloneStations& stations, const std::vector<std::string>& ports) {
    sigset_t blocked;
    sigemptyset(&blocked);
    for (const int number : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&blocked, number);
    }
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &blocked, &previous);
    stations.Start(ports);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

} // namespace

int CmdClone(ProgramContext& context, const CommandArgs& args) {
    const std::optional<CloneOptions> options = ParseCloneOptions(args);
    if (!options) {
        return kExitUsage;
    }
    CliDocument doc(context.band, *options->texts);
    if (const int opened = doc.Open(options->image); opened != kExitOk) {
        return opened;
    }
    CloneJob job;
    job.image = doc.Doc().Image();
    EncodeChannels(doc.Table(), job.image, doc.Bands());
    job.safety = options->safety;
    job.texts = options->texts;

    const std::string logPath =
        !options->log.empty()
            ? options->log
            : (std::filesystem::path(UserDataFolder()) / kCloneLogFileName).string();
    CloneLog log;
    if (std::string error; !log.Open(logPath, error)) {
        return Fail(kExitFile, "the clone log " + error);
    }

    const SerialPortsApplication app;
    const InterruptAsCancel interrupts;
    CloneControl control(options->count);
    CloneTally tally(options->ports);
    CloneRecorder recorder(log, FileSha256(options->image), tally);
    CliStationObserver observer(options->quiet, recorder, *options->texts);
    if (!options->quiet) {
        const TextCatalogue& texts = *options->texts;
        std::cerr << FormatText(texts.Tr("CloneCommand", "Clone log: %1"), {logPath}) << '\n'
                  << texts.Tr("CloneCommand", "Connect the radios. After swapping finished "
                                              "radios press Enter; Ctrl+C ends.")
                  << '\n';
    }
    {
        CloneStations stations(job, control, observer,
                               [] { return std::make_unique<QtSerialLink>(); });
        StartWithSignalsHere(stations, options->ports);
        ServeOperator(stations, control);
        stations.Join();
    }
    const bool cancelled = control.Cancelled();
    std::cout << SummaryText(tally, cancelled, *options->texts);
    if (cancelled) {
        return kExitCancelled;
    }
    return tally.AllGood() ? kExitOk : kExitTransfer;
}
