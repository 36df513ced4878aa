#include "forms/dialogs/data/framework_messages.h"

std::string FillPercentArguments(std::string message, std::string_view first, std::string_view second)
{
    // One pass, so that a value holding a mark is not filled in again.
    std::string out;
    for (size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '%' && i + 1 < message.size() && (message[i + 1] == '1' || message[i + 1] == '2')) {
            out += message[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += message[i];
        }
    }
    return out;
}
