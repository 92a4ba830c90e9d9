#include "station/clone_tally.h"

CloneTally::CloneTally(const std::vector<std::string>& ports) {
    for (const std::string& port : ports) {
        m_ports.push_back({.port = port});
    }
}

PortTally& CloneTally::Of(const std::string& port) {
    for (PortTally& tally : m_ports) {
        if (tally.port == port) {
            return tally;
        }
    }
    m_ports.push_back({.port = port});
    return m_ports.back();
}

void CloneTally::Count(const RadioReport& report) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    PortTally& tally = Of(report.port);
    switch (report.result) {
    case RadioResult::Written:
    case RadioResult::Verified:
        ++tally.good;
        break;
    case RadioResult::Refused:
        ++tally.refused;
        break;
    case RadioResult::Failed:
        ++tally.failed;
        break;
    case RadioResult::Cancelled:
        ++tally.cancelled;
        break;
    }
}

void CloneTally::PortFailed(const std::string& port) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    Of(port).portFailed = true;
}

std::vector<PortTally> CloneTally::Ports() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_ports;
}

PortTally CloneTally::Total() const {
    PortTally total;
    for (const PortTally& tally : Ports()) {
        total.good += tally.good;
        total.refused += tally.refused;
        total.failed += tally.failed;
        total.cancelled += tally.cancelled;
        total.portFailed = total.portFailed || tally.portFailed;
    }
    return total;
}

bool CloneTally::AllGood() const {
    const PortTally total = Total();
    return total.Radios() == total.good && !total.portFailed;
}

namespace {

std::string Counts(const PortTally& tally, const TextCatalogue& texts) {
    std::string text =
        FormatText(texts.Tr("CloneTally", "%1 done, %2 failed"),
                   {std::to_string(tally.good), std::to_string(tally.failed + tally.refused)});
    if (tally.refused > 0) {
        text +=
            FormatText(texts.Tr("CloneTally", " (%1 refused)"), {std::to_string(tally.refused)});
    }
    if (tally.cancelled > 0) {
        text +=
            FormatText(texts.Tr("CloneTally", ", %1 cancelled"), {std::to_string(tally.cancelled)});
    }
    return text;
}

} // namespace

std::string SummaryText(const CloneTally& tally, bool cancelled, const TextCatalogue& texts) {
    const PortTally total = tally.Total();
    std::string text = (cancelled ? texts.Tr("CloneTally", "Cancelled. ") : std::string()) +
                       FormatText(texts.Tr("CloneTally", "%1 radio(s): %2"),
                                  {std::to_string(total.Radios()), Counts(total, texts)}) +
                       '\n';
    for (const PortTally& port : tally.Ports()) {
        text += "  " + port.port + ": " +
                (port.portFailed ? texts.Tr("CloneTally", "the port could not be opened")
                                 : Counts(port, texts)) +
                '\n';
    }
    return text;
}
