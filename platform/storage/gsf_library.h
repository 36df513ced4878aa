// Starting libgsf once, owning its objects for the span of a scope, and
// hearing its complaints.
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

template<typename T>
using GsfPtr = std::unique_ptr<T, GObjectUnref>;

// While it exists, libgsf's warnings and failed checks are caught instead of
// printed. libgsf drops a damaged directory entry with no more than such a
// message and reads on, so a reader that heard one has lost part of the file.
class GsfComplaints {
public:
    GsfComplaints();
    ~GsfComplaints();
    GsfComplaints(const GsfComplaints&) = delete;
    GsfComplaints& operator=(const GsfComplaints&) = delete;

    bool Heard() const { return heard_; }

private:
    static void Hear(const char* domain, GLogLevelFlags level, const char* message, void* self);

    bool heard_ = false;
    unsigned handlers_[3] = {};
};

} // namespace storage
