// What the Style Manager asks of the design view that opened it.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

class FDOCUMENT;
class FORMOBJ;
class QWidget;

class STYLE_SITE {
public:
    virtual ~STYLE_SITE() = default;
    virtual FDOCUMENT* GetStyleDocument() = 0;
    // A new object of the type with the view's current attributes, or null
    // for a kind that is not built.
    virtual std::unique_ptr<FORMOBJ> NewStyleObject(uint8_t type) = 0;
    // After a style was deleted: the entry of the deleted style.
    virtual void ApplyStyle(std::string_view entry) = 0;
    // After a style was edited: the objects that follow it are redrawn.
    virtual void RedrawStyleUsers() = 0;
};
