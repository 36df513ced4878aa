#include "platform/ui/dialog/property_page.h"

namespace ui {

PropertyPage::PropertyPage(const res::DialogTemplate& definition)
    : Dialog(definition)
{}

} // namespace ui
