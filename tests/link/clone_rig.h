#pragma once
// The clone engine over the Qt serial backend against a simulated radio on
// a pseudo-terminal, with a document image of its own: what the clone
// transfer tests share.

#include "link/clone_engine.h"
#include "link_qt/qt_serial_link.h"
#include "link_test_support.h"

#include <atomic>
#include <memory>

struct CloneRig {
    explicit CloneRig(const SimOptions& options = InstantReplies()) : radio(StartRadio(options)) {}

    TransferResult Run(TransferDirection direction) {
        CloneEngine engine(link, observer, cancel);
        return engine.Run(direction, radio->DevicePath(), image);
    }

    std::unique_ptr<SimulatedRadio> radio;
    QtSerialLink link;
    RecordingObserver observer;
    std::atomic<bool> cancel{false};
    RadioImage image;
};
