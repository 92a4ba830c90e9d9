#pragma once
// The data side of the document: its image, title and path, the new-document
// defaults, and opening and saving the .dat file. The window layer provides
// the hooks that move the channel grid in and out of the image.

#include "model/band.h"
#include "model/dat_file.h"
#include "model/radio_image.h"
#include "model/text_catalogue.h"

#include <functional>
#include <string>

// Fills rows 0..254 with 0xFF and stores the default bytes of a new document;
// copies bandCode (normalised already, see OnNewDocument) to the band code;
// stores the squelch levels. The rest of row 255 becomes 0xFF.
void FillNewDocumentImage(RadioImage& image, const BandCodeBytes& bandCode);

// Title of the channel window ("Channel Information").
TextId ChannelWindowTitle();

class CProgramDoc {
public:
    using ImageHook = std::function<void(RadioImage&)>;

    RadioImage& Image() { return m_image; }
    const RadioImage& Image() const { return m_image; }

    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }
    const std::string& Path() const { return m_path; }
    void SetPath(const std::string& path) { m_path = path; }

    // Never set by the document itself; the window layer decides.
    bool IsModified() const { return m_modified; }
    // True once the document was read from or written to its path (a new
    // document's path is only the name its first save suggests).
    bool HasFile() const { return m_hasFile; }
    void SetModified(bool modified) { m_modified = modified; }

    // Runs after a file has been read into the image (the view decodes there).
    void SetOpenHook(ImageHook hook) { m_openHook = std::move(hook); }
    // Runs before the image is written (the view encodes its grid there).
    void SetSaveHook(ImageHook hook) { m_saveHook = std::move(hook); }

    // New document: the image of FillNewDocumentImage, the channel window
    // title in the catalogue's language, the path appName ([Setup] AppName),
    // not modified. The plan's bandCode is normalised first and becomes the
    // image's band code.
    void OnNewDocument(const std::string& appName, BandPlan& bands, const TextCatalogue& texts);
    // Reads path into the image; on failure nothing changes. On success the
    // path and the title (file name) follow the file and the open hook runs.
    FileResult OnOpenDocument(const std::string& path);
    // Runs the save hook, then writes the image to path atomically. On success
    // the path and title follow the file.
    FileResult OnSaveDocument(const std::string& path);

private:
    RadioImage m_image;
    std::string m_title;
    std::string m_path;
    bool m_modified = false;
    bool m_hasFile = false;
    ImageHook m_openHook;
    ImageHook m_saveHook;
};
