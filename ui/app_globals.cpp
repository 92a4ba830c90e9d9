#include "ui/app_globals.h"

std::string g_strLanguage;
std::string g_strHelpFile;
