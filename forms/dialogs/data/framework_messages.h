// The framework's messages (61712 and on) take their values as "%1" and
// "%2".
#pragma once

#include <string>
#include <string_view>

std::string FillPercentArguments(std::string message, std::string_view first, std::string_view second = {});
