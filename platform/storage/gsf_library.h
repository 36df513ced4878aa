// Starting libgsf once, and owning its objects for the span of a scope.
#pragma once

#include <glib-object.h>

#include <memory>

namespace storage {

void InitGsf();

struct GObjectUnref {
    void operator()(void* object) const
    {
        if (object)
            g_object_unref(object);
    }
};

template <typename T>
using GsfPtr = std::unique_ptr<T, GObjectUnref>;

} // namespace storage
