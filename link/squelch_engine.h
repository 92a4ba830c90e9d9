#pragma once
// The squelch tuning transfers: the four levels at radio kSquelchAddress
// (image layout::kSquelchLevels) read from or written to the radio on their
// own.
// Same port setup and programming-mode entry as the clone transfer, except:
// no pump passes and no status text, no clear between the request bytes, no
// band check, one entry. The observer learns of the end after the port is
// closed (a window shows "Read Successfully" / "Write Successfully" then).

#include "link/serial_link.h"
#include "link/transfer_observer.h"
#include "link/transfer_result.h"
#include "model/radio_image.h"

#include <atomic>
#include <functional>
#include <string>

class SquelchEngine {
public:
    // cancel, when given, is tested before each programming-mode attempt (the
    // command line's Ctrl+C; in a window only the window's going sets it, as
    // the transfer is short and has no Cancel).
    SquelchEngine(SerialLink& link, TransferObserver& observer,
                  const std::atomic<bool>* cancel = nullptr);

    // Reads the four levels into the image's squelch levels (only on success; the
    // image keeps its old levels otherwise). The caller shows the levels.
    TransferResult Read(const std::string& portName, RadioImage& image);

    // Writes the image's squelch levels to the radio. storeLevels, when given, is
    // called once programming mode was entered, before the bytes are taken
    // from the image (the dialog stores its lists there at that point).
    TransferResult Write(const std::string& portName, RadioImage& image,
                         const std::function<void(RadioImage&)>& storeLevels = {});

private:
    SerialLink& m_link;
    TransferObserver& m_observer;
    const std::atomic<bool>* m_cancel;
};
