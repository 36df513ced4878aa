#include "platform/res/errors.h"

namespace res {
namespace {

// Built by appending: GCC 12 warns falsely on "literal" + std::string at -O3.
std::string FormatMessage(const std::string& source, int line, const std::string& what)
{
    std::string text = source;
    text += ", line ";
    text += std::to_string(line);
    text += ": ";
    text += what;
    return text;
}

std::string MissingMessage(Kind kind, std::uint32_t id)
{
    std::string text = "no ";
    text += KindName(kind);
    text += " resource ";
    text += std::to_string(id);
    return text;
}

} // namespace

FormatError::FormatError(const std::string& source, int line, const std::string& what)
    : std::runtime_error(FormatMessage(source, line, what))
    , line_(line)
{}

MissingResource::MissingResource(Kind kind, std::uint32_t id)
    : std::logic_error(MissingMessage(kind, id))
    , kind_(kind)
    , id_(id)
{}

} // namespace res
