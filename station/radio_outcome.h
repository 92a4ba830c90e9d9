#pragma once
// How a safe write on a station ended, as the radio's result and message.

#include "link/write_safety.h"
#include "station/radio_report.h"

// Fills the result, message, partly-written flag, the radio as read first
// and the verify differences of report from the write. sessionCancelled: the
// session's cancel stopped it (a "Communication Error" that the station
// answered with Cancel, the session still running, is a failure). The
// message is worded in the catalogue's language.
void DescribeOutcome(const SafeWriteResult& written, const WriteSafety& safety,
                     bool sessionCancelled, const TextCatalogue& texts, RadioReport& report);
