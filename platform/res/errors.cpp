#include "platform/res/errors.h"

namespace res {

FormatError::FormatError(const std::string& source, int line, const std::string& what)
    : std::runtime_error(source + ", line " + std::to_string(line) + ": " + what)
    , m_line(line)
{
}

MissingResource::MissingResource(Kind kind, std::uint32_t id)
    : std::logic_error("no " + std::string(KindName(kind)) + " resource " + std::to_string(id))
    , m_kind(kind)
    , m_id(id)
{
}

} // namespace res
