#include "settings/program_context.h"

std::string AppNameIn(const CProfileFile& profile) {
    return profile.GetValue("Setup", "AppName", "");
}

bool ProgramContext::SaveProfile() {
    return m_profile.SaveAtEnd() != CProfileFile::SaveOutcome::Failed;
}
