#include "scripted_link.h"

#include <algorithm>
#include <cstdio>

void ScriptedLink::Script(const std::vector<ByteVector>& replies) {
    m_replies.insert(m_replies.end(), replies.begin(), replies.end());
}

void ScriptedLink::FailRead(std::size_t readIndex) {
    m_faults[readIndex] = {ReadFault::Error, 0};
}

void ScriptedLink::ShortenRead(std::size_t readIndex, std::size_t count) {
    m_faults[readIndex] = {ReadFault::Short, count};
}

bool ScriptedLink::Open(const std::string& portName) {
    m_calls.push_back({.op = Op::Open, .port = portName});
    m_open = !m_refuseOpen;
    return m_open;
}

void ScriptedLink::SetTimeouts(const LinkTimeouts&) {
    m_calls.push_back({.op = Op::SetTimeouts});
}

bool ScriptedLink::SetLine9600_8N1() {
    m_calls.push_back({.op = Op::SetLine});
    return true;
}

void ScriptedLink::Clear() {
    m_calls.push_back({.op = Op::Clear});
}

bool ScriptedLink::Write(const std::uint8_t* data, std::size_t size) {
    m_calls.push_back({.op = Op::Write, .bytes = ByteVector(data, data + size)});
    return true;
}

ReadResult ScriptedLink::Read(std::uint8_t* buffer, std::size_t size) {
    ByteVector reply;
    if (!m_replies.empty()) {
        reply = m_replies.front();
        m_replies.pop_front();
    }
    ReadResult result;
    const auto fault = m_faults.find(m_reads++);
    if (fault != m_faults.end() && fault->second.kind == ReadFault::Error) {
        reply.clear();
        result.error = true;
    } else if (fault != m_faults.end()) {
        reply.resize(std::min(reply.size(), fault->second.count));
    }
    reply.resize(std::min(reply.size(), size));
    std::copy(reply.begin(), reply.end(), buffer);
    result.count = reply.size();
    m_calls.push_back({.op = Op::Read, .asked = size});
    return result;
}

void ScriptedLink::Sleep(int milliseconds) {
    m_calls.push_back({.op = Op::Sleep, .milliseconds = milliseconds});
}

void ScriptedLink::Close() {
    if (m_open) {
        m_calls.push_back({.op = Op::Close});
    }
    m_open = false;
}

std::string ScriptedLink::Hex(const ByteVector& bytes) {
    std::string text;
    char hex[4];
    for (const std::uint8_t byte : bytes) {
        std::snprintf(hex, sizeof hex, "%s%02X", text.empty() ? "" : " ", byte);
        text += hex;
    }
    return text;
}

std::vector<std::string> ScriptedLink::Transcript() const {
    std::vector<std::string> lines;
    for (const Call& call : m_calls) {
        switch (call.op) {
        case Op::Open:
            lines.push_back("open " + call.port);
            break;
        case Op::SetTimeouts:
            lines.push_back("timeouts");
            break;
        case Op::SetLine:
            lines.push_back("line 9600 8N1");
            break;
        case Op::Clear:
            lines.push_back("clear");
            break;
        case Op::Write:
            lines.push_back("write " + Hex(call.bytes));
            break;
        case Op::Read:
            lines.push_back("read " + std::to_string(call.asked));
            break;
        case Op::Sleep:
            lines.push_back("sleep " + std::to_string(call.milliseconds));
            break;
        case Op::Close:
            lines.push_back("close");
            break;
        }
    }
    return lines;
}
