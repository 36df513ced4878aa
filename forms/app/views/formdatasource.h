// The data a design view offers for a drag: the formats cached on it when
// the drag starts.
#pragma once

#include "platform/ui/clipboard.h"

#include <string>
#include <string_view>

class FDESIGNVIEW;

class FORMDATASOURCE {
public:
    explicit FORMDATASOURCE(FDESIGNVIEW* view)
        : view(view)
    {}

    FDESIGNVIEW* GetView() const { return view; }
    // Offers the format with its bytes from now on.
    void CacheGlobalData(std::string_view format, std::string bytes) { data.SetData(format, std::move(bytes)); }
    // What the drag carries; the selection adds its formats here.
    ui::DataSource& GetData() { return data; }

private:
    FDESIGNVIEW* view;
    ui::DataSource data;
};
