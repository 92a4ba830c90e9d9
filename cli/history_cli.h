#pragma once
// The radio history from the command line: the same folder the window
// program keeps it in (its per-user data folder).

#include "model/radio_image.h"
#include "model/text_catalogue.h"

#include <string>

// The history folder: "history" in the per-user data folder.
std::string HistoryFolder();

// Keeps image in the history as a read that completed now, and says where
// on stderr (what names the read: "read", "radio before writing"). A file
// error is printed (in texts' language) and returns false; the caller goes
// on, since the read itself is sound.
bool KeepInHistory(const RadioImage& image, const std::string& what, const TextCatalogue& texts);
