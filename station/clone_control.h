#pragma once
// What the stations of one clone session share, thread-safe: the operator's
// releases (one for every station that waits for it at that moment, or one
// for a single station), the end of releases, the cancel, and the number of
// radios still to be written when the session has a count.

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>

// The releases a station has seen: those for every station and its own.
struct ReleaseMark {
    long all = 0;
    long own = 0;
};

class CloneControl {
public:
    // count: radios to write in total; 0 for no limit.
    explicit CloneControl(int count = 0);

    // The operator swapped the finished radios: frees every station waiting
    // for release now (a station that starts waiting later waits for the next).
    void Release();
    // The operator swapped the radio of one station: frees that station when
    // it waits for release now.
    void Release(const std::string& port);
    // No release will come any more (the operator's input ended): stations
    // that wait for one, or come to wait, end.
    void CloseGate();
    // Every station stops at its next cancel point.
    void Cancel();
    bool Cancelled() const;

    // A radio answered on a station: takes it as one of the count. False when
    // the count is reached (the radio must not be written).
    bool TakeRadio();
    // Whether radios may still be taken (the count not reached).
    bool RadiosLeft() const;

    // Station side: the releases so far that concern the port. A station
    // takes them before it reports its radio, then waits for a release after
    // them: a release that comes while the report is being shown frees it.
    ReleaseMark Releases(const std::string& port) const;
    // Station side: waits for a release after the seen ones. False when the
    // session ends instead (cancelled, no more releases, or the count reached).
    bool WaitForRelease(const std::string& port, ReleaseMark seen);
    // Station side: waits this long between attempts to reach a radio; ends
    // early, returning false, on a cancel or when the count is reached.
    bool Pause(std::chrono::milliseconds duration);

private:
    bool Ended() const; // with m_mutex held
    // With m_mutex held.
    bool ReleasedSince(const std::string& port, ReleaseMark seen) const;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_radiosLeft;
    bool m_limited;
    long m_releases = 0;
    std::map<std::string, long> m_portReleases;
    bool m_gateClosed = false;
    bool m_cancelled = false;
};
