#include "link/transfer_phase.h"

#include "link/clone_engine.h"
#include "model/language.h"

#include <cstdio>

namespace {

int RowsOf(TransferStep step) {
    return step == TransferStep::Write ? kWriteRows : kReadRows;
}

// A pair of texts with one "%s" each, filled with the seconds to a tenth.
std::string WithSeconds(const char* english, const char* chinese, double seconds) {
    char number[32];
    std::snprintf(number, sizeof number, "%.1f", seconds);
    std::string text = Tr2(english, chinese);
    text.replace(text.find("%s"), 2, number);
    return text;
}

std::string CompletedLine(TransferStep step, double seconds) {
    switch (step) {
    case TransferStep::Read:
        return WithSeconds("Read in %s s", "读取完成，用时 %s 秒", seconds);
    case TransferStep::Verify:
        return WithSeconds("Written and verified in %s s", "写入并校验完成，用时 %s 秒", seconds);
    case TransferStep::ReadFirst: // a job never ends completed after its first step of two
    case TransferStep::Write:
        break;
    }
    return WithSeconds("Written in %s s", "写入完成，用时 %s 秒", seconds);
}

std::string CancelledLine(TransferStep step, const TransferResult& result) {
    switch (step) {
    case TransferStep::Read:
        return Tr2("Read cancelled", "读取已取消");
    case TransferStep::ReadFirst:
        return Tr2("Cancelled before writing: nothing was written",
                   "已在写入前取消：没有写入任何数据");
    case TransferStep::Verify:
        return Tr2("Written; the verify was cancelled", "已写入；校验已取消");
    case TransferStep::Write:
        break;
    }
    return result.radioPartlyWritten
               ? Tr2("Write cancelled: the radio holds part of the new data",
                     "写入已取消：对讲机中只有部分新数据")
               : Tr2("Write cancelled: nothing was written", "写入已取消：没有写入任何数据");
}

std::string FailedLine(TransferStep step, const TransferResult& result) {
    switch (step) {
    case TransferStep::Read:
        return Tr2("Read failed", "读取失败");
    case TransferStep::ReadFirst:
        return Tr2("The radio could not be read before writing: nothing was written",
                   "写入前未能读取对讲机：没有写入任何数据");
    case TransferStep::Verify:
        return result.fault == LinkFault::VerifyMismatch
                   ? Tr2("Written, but the verify found differences", "已写入，但校验发现不同")
                   : Tr2("Written; the verify could not finish", "已写入；校验未能完成");
    case TransferStep::Write:
        break;
    }
    return result.radioPartlyWritten
               ? Tr2("Write failed: the radio holds part of the new data",
                     "写入失败：对讲机中只有部分新数据")
               : Tr2("Write failed: nothing was written", "写入失败：没有写入任何数据");
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

std::string PhaseText(const TransferPhase& phase) {
    // Lower case after "Step n of m: "; a job of one step names it alone.
    std::string name;
    switch (phase.step) {
    case TransferStep::Read:
        name = Tr2("reading the radio", "读取对讲机");
        break;
    case TransferStep::ReadFirst:
        name = Tr2("reading the radio before writing", "写入前读取对讲机");
        break;
    case TransferStep::Write:
        name = Tr2("writing the radio", "写入对讲机");
        break;
    case TransferStep::Verify:
        name = Tr2("reading the radio back to verify", "读回对讲机以校验");
        break;
    }
    const std::string number = std::to_string(phase.number);
    const std::string count = std::to_string(phase.count);
    if (g_bChinese) {
        return phase.count == 1 ? "正在" + name
                                : "第 " + number + " 步，共 " + count + " 步：" + name;
    }
    if (phase.count == 1) {
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
        return name;
    }
    return "Step " + number + " of " + count + ": " + name;
}

std::string ResultLine(TransferStep endedIn, const TransferResult& result, double seconds) {
    switch (result.outcome) {
    case TransferOutcome::Completed:
        return CompletedLine(endedIn, seconds);
    case TransferOutcome::Cancelled:
        return CancelledLine(endedIn, result);
    case TransferOutcome::Failed:
        break;
    }
    return FailedLine(endedIn, result);
}
