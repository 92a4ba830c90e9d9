#pragma once
// The demo for a first start without a radio: a simulated radio with a few
// channels, answering inside this process on a pseudo-terminal. The window
// program points the port of every transfer at it, so that Program > Read
// works at once.

#include "model/band.h"
#include "model/radio_image.h"
#include "sim/simulated_radio.h"

#include <memory>
#include <string>

// The image the demo radio holds: a new document's bytes (with bandCode, a
// normalised band code) with a handful of channels filled in.
RadioImage DemoRadioImage(const BandCodeBytes& bandCode = kDefaultBandCode);

class CDemoRadio {
public:
    // The window program's demo takes the wire's time, as a radio does; tests
    // that run many transfers may ask for a radio that answers at once.
    explicit CDemoRadio(SimOptions options = SimOptions{});
    ~CDemoRadio();

    // Starts the simulated radio holding DemoRadioImage(bandCode). False when
    // no pseudo-terminal could be made.
    bool Start(const BandCodeBytes& bandCode = kDefaultBandCode);
    std::string DevicePath() const;
    // What the radio has served so far (it answers on a thread of its own,
    // whatever the window's thread is busy with).
    SimStats Stats() const;

private:
    SimOptions m_options;
    std::unique_ptr<SimulatedRadio> m_radio;
};
