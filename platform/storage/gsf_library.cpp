#include "platform/storage/gsf_library.h"

#include <gsf/gsf-utils.h>

#include <mutex>

namespace storage {

void InitGsf()
{
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
}

} // namespace storage
