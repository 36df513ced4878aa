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

// A framework message with "%1" and "%2" filled in.
std::string FillPercentArguments(std::string message, std::string_view first, std::string_view second = {});
