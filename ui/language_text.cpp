#include "ui/language_text.h"

#include "model/gbk.h"
#include "settings/profile_file.h"
#include "settings/program_context.h"
#include "ui/message_service.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdlib>

QString ProfileBytesToText(const std::string& bytes) {
    if (IsValidUtf8(bytes)) {
        return QString::fromStdString(bytes);
    }
    return QString::fromStdString(GbkToUtf8(bytes));
}

QString LanguageText(const ProgramContext& context, const std::string& key) {
    return ProfileBytesToText(context.Profile().GetValue(context.strLanguage, key, ""));
}

int SetupInteger(const CProfileFile& profile, const std::string& key) {
    const std::string value = profile.GetValue("Setup", key, "");
    return static_cast<int>(std::strtol(value.c_str(), nullptr, 10));
}

void ReportSettingsNotSaved(QWidget* parent, const std::string& path) {
    MessageService::Show(
        parent,
        QCoreApplication::translate("SettingsFile", "The settings file %1 could not be written.")
            .arg(QFile::decodeName(path.c_str())),
        MessageButtons::Ok, MessageIcon::Exclamation);
}
