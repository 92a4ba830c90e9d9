#pragma once
// Texts of the settings file as the windows show them.

#include <QString>
#include <string>

class CProfileFile;
struct ProgramContext;
class QWidget;

// A stored settings value as text: UTF-8 as it stands, anything else read as
// GBK (older settings files keep Chinese texts in GBK).
QString ProfileBytesToText(const std::string& bytes);

// The value of `key` in the program's settings file, in the section of the
// program's language (strLanguage), empty when missing: "Company", "Title",
// "About Title" ...
QString LanguageText(const ProgramContext& context, const std::string& key);

// A [Setup] value read as a decimal integer by its leading digits, the way
// "ShowLang" is read: missing, empty or letters count as 0.
int SetupInteger(const CProfileFile& profile, const std::string& key);

// Tells the user that the settings file at path could not be written (a
// message box with the warning icon, over parent).
void ReportSettingsNotSaved(QWidget* parent, const std::string& path);
