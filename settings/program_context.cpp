#include "settings/program_context.h"

bool ProgramContext::SaveProfile() {
    return m_profile.SaveAtEnd() != CProfileFile::SaveOutcome::Failed;
}
