#include "station/clone_control.h"

CloneControl::CloneControl(int count) : m_radiosLeft(count), m_limited(count > 0) {}

void CloneControl::Release() {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        ++m_releases;
    }
    m_changed.notify_all();
}

void CloneControl::Release(const std::string& port) {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        ++m_portReleases[port];
    }
    m_changed.notify_all();
}

void CloneControl::CloseGate() {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_gateClosed = true;
    }
    m_changed.notify_all();
}

void CloneControl::Cancel() {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_cancelled = true;
    }
    m_changed.notify_all();
}

bool CloneControl::Cancelled() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_cancelled;
}

bool CloneControl::TakeRadio() {
    bool taken = false;
    bool lastOne = false;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_limited) {
            return true;
        }
        if (m_radiosLeft > 0) {
            taken = true;
            lastOne = --m_radiosLeft == 0;
        }
    }
    if (lastOne) {
        // Stations waiting for a radio or a release have nothing more to do.
        m_changed.notify_all();
    }
    return taken;
}

bool CloneControl::RadiosLeft() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return !m_limited || m_radiosLeft > 0;
}

bool CloneControl::Ended() const {
    return m_cancelled || (m_limited && m_radiosLeft == 0);
}

ReleaseMark CloneControl::Releases(const std::string& port) const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto own = m_portReleases.find(port);
    return {.all = m_releases, .own = own == m_portReleases.end() ? 0 : own->second};
}

bool CloneControl::ReleasedSince(const std::string& port, ReleaseMark seen) const {
    const auto own = m_portReleases.find(port);
    return m_releases != seen.all || (own != m_portReleases.end() && own->second != seen.own);
}

bool CloneControl::WaitForRelease(const std::string& port, ReleaseMark seen) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [&] { return ReleasedSince(port, seen) || m_gateClosed || Ended(); });
    return ReleasedSince(port, seen) && !Ended();
}

bool CloneControl::Pause(std::chrono::milliseconds duration) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait_for(lock, duration, [&] { return Ended(); });
    return !Ended();
}
