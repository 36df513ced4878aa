// The Help page: the field's context-sensitive help text, at most 350
// characters.
#pragma once

#include "platform/ui/dialog/property_page.h"

#include <string>

constexpr size_t kMostHelpCharacters = 350;

class FIELD_HELP : public ui::PropertyPage {
public:
    FIELD_HELP();
    std::string text;

protected:
    bool OnInitDialog() override;
    bool OnKillActive() override;
};
