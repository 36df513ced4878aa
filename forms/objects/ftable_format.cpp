// Changing a table's counts and header bands in place.
#include "forms/objects/ftable.h"

#include "forms/objects/table_format.h"

int FTABLE::ApplyFormat(const TABLE_FORMAT&, int, int, OBJECT_DOCUMENT*, int32_t, int32_t, int32_t, int32_t)
{
    return 0;
}
