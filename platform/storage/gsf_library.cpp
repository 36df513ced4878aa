#include "platform/storage/gsf_library.h"

#include <gsf/gsf-utils.h>

#include <mutex>

namespace storage {

void InitGsf()
{
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
}

namespace {

// libgsf's generic infile code logs without a domain.
const char* const kDomains[] = {"libgsf:msole", "libgsf", nullptr};
constexpr auto kLevels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING);

} // namespace

GsfComplaints::GsfComplaints()
{
    for (int i = 0; i < 3; ++i)
        handlers_[i] = g_log_set_handler(kDomains[i], kLevels, &GsfComplaints::Hear, this);
}

GsfComplaints::~GsfComplaints()
{
    for (int i = 0; i < 3; ++i)
        g_log_remove_handler(kDomains[i], handlers_[i]);
}

void GsfComplaints::Hear(const char*, GLogLevelFlags, const char*, void* self)
{
    static_cast<GsfComplaints*>(self)->heard_ = true;
}

} // namespace storage
