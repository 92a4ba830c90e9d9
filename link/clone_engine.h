#pragma once
// The clone transfer: reads the radio's memory into the image or writes the
// image into the radio over a SerialLink, step for step as the radio expects:
// open and configure the port, put the radio into programming mode, check its
// band type, enter programming mode again, then move 8-byte blocks in
// ascending address order (read: password check first; write: the closing
// band byte last).
//
// The caller prepares the image and refreshes its displays: before Run it
// commits any pending cell edit and encodes the channel grid into the image
// (for reads and writes alike); after a completed read it decodes the image.
// Run may be called from a worker thread; the observer is called on that
// thread and the cancel flag may be set from any thread.

#include "link/serial_link.h"
#include "link/transfer_observer.h"
#include "link/transfer_result.h"
#include "model/radio_image.h"

#include <atomic>
#include <cstdint>
#include <string>

// Progress counts: rows moved by a read and by a write.
inline constexpr int kReadRows = 191;
inline constexpr int kWriteRows = 189;
// What every completed write leaves in the radio's band-type byte.
inline constexpr std::uint8_t kClosingBandValue = 0x03;
// The progress bar's range is 0..kProgressRange for both directions.
inline constexpr int kProgressRange = 191;

// Which radios a read accepts by their password.
enum class PasswordCheck {
    // The radio's six password bytes equal the document's.
    Exact,
    // Those; and while the document's password shows empty in Optional
    // Features (which shows only leading digits), a radio whose password
    // shows empty too, whatever bytes follow. The read before a write takes
    // this: the write that follows does not look at passwords at all.
    ShownEmptyAlike,
};

class CloneEngine {
public:
    CloneEngine(SerialLink& link, TransferObserver& observer, const std::atomic<bool>& cancel);

    // Runs the whole transfer on the named port and returns how it ended,
    // told to the observer too once the port is closed on every way out. A
    // read copies each block into the image as soon as it arrives (a failed
    // read leaves the rows it got). A write that stops after its first data
    // block says that the radio holds part of the new data
    // (radioPartlyWritten).
    TransferResult Run(TransferDirection direction, const std::string& portName, RadioImage& image,
                       PasswordCheck passwordCheck = PasswordCheck::Exact);

private:
    SerialLink& m_link;
    TransferObserver& m_observer;
    const std::atomic<bool>& m_cancel;
};
