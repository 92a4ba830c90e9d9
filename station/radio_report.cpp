#include "station/radio_report.h"

#include "model/language.h"

const char* ResultKeyword(RadioResult result) {
    switch (result) {
    case RadioResult::Written:
        return "written";
    case RadioResult::Verified:
        return "verified";
    case RadioResult::Refused:
        return "refused";
    case RadioResult::Failed:
        return "failed";
    case RadioResult::Cancelled:
        return "cancelled";
    }
    return "failed";
}

std::string ResultText(RadioResult result) {
    switch (result) {
    case RadioResult::Written:
        return Tr2("written", "已写入");
    case RadioResult::Verified:
        return Tr2("written and verified", "已写入并校验");
    case RadioResult::Refused:
        return Tr2("refused", "被拒绝");
    case RadioResult::Failed:
        return Tr2("failed", "失败");
    case RadioResult::Cancelled:
        return Tr2("cancelled", "已取消");
    }
    return Tr2("failed", "失败");
}

std::string StateText(StationState state) {
    switch (state) {
    case StationState::WaitingForRadio:
        return Tr2("waiting for a radio", "等待对讲机");
    case StationState::ReadingFirst:
        return Tr2("reading first", "写入前读取");
    case StationState::Writing:
        return Tr2("writing", "正在写入");
    case StationState::Verifying:
        return Tr2("verifying", "正在校验");
    case StationState::WaitingForRelease:
        return Tr2("done; waiting for the operator to swap the radio",
                   "完成；等待操作员更换对讲机");
    case StationState::Stopped:
        return Tr2("stopped", "已停止");
    }
    return {};
}
