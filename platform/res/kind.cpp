#include "platform/res/kind.h"

namespace res {

std::string_view KindName(Kind kind)
{
    switch (kind) {
    case Kind::String:
        return "string";
    case Kind::Menu:
        return "menu";
    case Kind::Accelerator:
        return "accelerator";
    case Kind::Dialog:
        return "dialog";
    case Kind::Bitmap:
        return "bitmap";
    case Kind::Icon:
        return "icon";
    case Kind::Cursor:
        return "cursor";
    }
    return "resource";
}

} // namespace res
