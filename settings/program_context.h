#pragma once
// ProgramContext: what one running program shares between its parts, made in
// the program's main and handed down by reference. Nothing of it is a global:
// two contexts (two programs in one test) never see each other's values, and
// a transfer's worker thread takes copies of the fields it needs.
//
// The members keep the names the rest of the documentation gives them:
// band.bandCode and band.band1Low .. band.band2High (g_bandCode and the band
// limits), Profile() (g_Profile, "Program.ini"), strAppDir (g_strAppDir),
// portName (g_portName), strLanguage and strHelpFile (g_strLanguage and
// g_strHelpFile), and Texts(), the catalogue of the language in use.

#include "model/band.h"
#include "model/text_catalogue.h"
#include "settings/profile_file.h"

#include <string>

// [Setup] "AppName" of a settings file: the name the per-user store keeps a
// program's values under ("" when the file names none).
std::string AppNameIn(const CProfileFile& profile);

struct ProgramContext {
    // The band code and band limits of this program (one plan per program).
    BandPlan band;
    // The directory of the running program, with a trailing separator; the
    // settings file, translations and branding pictures are looked up here.
    std::string strAppDir;
    // The port every transfer opens: "COM1" until the stored choice is loaded.
    std::string portName = "COM1";
    // [Setup] "Language": also the name of the section with that language's
    // texts in the settings file and the base name of its translation file.
    std::string strLanguage;
    // The help set of the language: "chHelp.qch" in Chinese, else "enHelp.qch".
    std::string strHelpFile = "enHelp.qch";

    // The catalogue every text of this program is rendered through: the
    // source texts until the program hands its language's catalogue over
    // (which must outlive the context's use of it).
    const TextCatalogue& Texts() const { return *m_texts; }
    void SetTexts(const TextCatalogue& texts) { m_texts = &texts; }

    // The application's settings file "Program.ini", loaded at start-up. It is
    // written only by SaveProfile, never when the context goes away.
    CProfileFile& Profile() { return m_profile; }
    const CProfileFile& Profile() const { return m_profile; }
    // The name the per-user store keeps this program's values under.
    std::string AppName() const { return AppNameIn(m_profile); }

    // Writes the settings file when a value changed since it was loaded (with
    // a backup when its Load asked for one). False only when writing failed;
    // the caller tells the user.
    bool SaveProfile();

private:
    CProfileFile m_profile{4};
    const TextCatalogue* m_texts = &SourceTexts();
};
