#include "platform/res/missing_handler.h"

#include "platform/res/errors.h"

#include <QtGlobal>

namespace res {

namespace {

MissingHandler g_handler = WarnMissing;

} // namespace

MissingHandler SetMissingHandler(MissingHandler handler)
{
    const MissingHandler previous = g_handler;
    g_handler = handler ? handler : WarnMissing;
    return previous;
}

void ReportMissing(Kind kind, std::uint32_t id)
{
    g_handler(kind, id);
}

void WarnMissing(Kind kind, std::uint32_t id)
{
    qWarning("forms: no %s resource %u", KindName(kind).data(), static_cast<unsigned>(id));
}

void ThrowMissing(Kind kind, std::uint32_t id)
{
    throw MissingResource(kind, id);
}

} // namespace res
