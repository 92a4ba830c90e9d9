#pragma once
// Process-wide values fixed by the start-up sequence and read by every window.

#include <string>

// [Setup] "Language"; also the name of the section with that language's texts
// and the base name of its translation file.
extern std::string g_strLanguage;
// "chHelp.qch" in Chinese, else "enHelp.qch": the help set of the language.
extern std::string g_strHelpFile;
