#include "cli/show_sections.h"

const std::vector<ShowSection>& ShowSections() {
    static const std::vector<ShowSection> sections = {
        ShowBandSection,
        ShowOptionalSection,
        ShowDtmfSection,
        ShowSideKeySection,
        ShowTwoToneSection,
        ShowMskSection,
        ShowSquelchSection,
    };
    return sections;
}
