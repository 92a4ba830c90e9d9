#include "ui/language_text.h"

#include "model/gbk.h"
#include "settings/profile_file.h"
#include "ui/app_globals.h"

#include <cstdlib>

QString ProfileBytesToText(const std::string& bytes) {
    if (IsValidUtf8(bytes)) {
        return QString::fromStdString(bytes);
    }
    return QString::fromStdString(GbkToUtf8(bytes));
}

QString LanguageText(const std::string& key) {
    return ProfileBytesToText(g_Profile.GetValue(g_strLanguage, key, ""));
}

int SetupInteger(const std::string& key) {
    const std::string value = g_Profile.GetValue("Setup", key, "");
    return static_cast<int>(std::strtol(value.c_str(), nullptr, 10));
}
