#include "forms/model/shape_classes.h"

#include "forms/model/fbox.h"
#include "forms/model/fellipse.h"
#include "forms/model/fline.h"
#include "forms/model/forthline.h"
#include "forms/model/object_factory.h"

namespace {

template<class T>
std::unique_ptr<FORMOBJ> Make()
{
    return std::make_unique<T>();
}

} // namespace

void RegisterShapeClasses()
{
    RegisterObjectClass(kTypeBox, &Make<FBOX>);
    RegisterObjectClass(kTypeEllipse, &Make<FELLIPSE>);
    RegisterObjectClass(kTypeLine, &Make<FLINE>);
    RegisterObjectClass(kTypeOrthLine, &Make<FORTHLINE>);
}
