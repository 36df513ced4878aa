// What happens when the program asks for a resource it does not have. In a
// user's hands the program goes on (the default handler logs a warning and
// the caller gets a stand-in); tests install ThrowMissing to catch the fault.
#pragma once

#include "platform/res/kind.h"

#include <cstdint>

namespace res {

using MissingHandler = void (*)(Kind kind, std::uint32_t id);

// Installs `handler` (nullptr: the default) and answers the one it replaces.
MissingHandler SetMissingHandler(MissingHandler handler);

// Tells the installed handler.
void ReportMissing(Kind kind, std::uint32_t id);

// The default: a warning on the program's log.
void WarnMissing(Kind kind, std::uint32_t id);
// For tests: throws MissingResource.
void ThrowMissing(Kind kind, std::uint32_t id);

// Installs a handler for the length of a scope.
class ScopedMissingHandler {
public:
    explicit ScopedMissingHandler(MissingHandler handler)
        : previous_(SetMissingHandler(handler))
    {}
    ~ScopedMissingHandler() { SetMissingHandler(previous_); }
    ScopedMissingHandler(const ScopedMissingHandler&) = delete;
    ScopedMissingHandler& operator=(const ScopedMissingHandler&) = delete;

private:
    MissingHandler previous_;
};

} // namespace res
