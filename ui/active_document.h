#pragma once
// The image of the active document of the main window. The settings dialogs
// reach the document they edit through here (main window -> active document
// window -> its document -> image), so that one reused dialog object always
// works on the document that is active when it opens.

#include <functional>

class RadioImage;

// The active document's image; null when no document is open.
RadioImage* ActiveImage();

// Installed by the main window (tests may install their own); an empty
// function means "no document".
void SetActiveImageProvider(std::function<RadioImage*()> provider);
