#include "platform/ui/caret.h"

namespace ui {

void Caret::Create(int width, int height)
{
    exists_ = true;
    width_ = width > 0 ? width : 1;
    height_ = height > 0 ? height : 1;
    pos_ = {0, 0};
    hideCount_ = 1;
    blinkOn_ = true;
}

void Caret::Destroy()
{
    exists_ = false;
    hideCount_ = 0;
}

void Caret::SetPos(int x, int y)
{
    pos_ = {x, y};
    blinkOn_ = true;
}

gdi::RECT Caret::Rect() const
{
    return {pos_.x, pos_.y, pos_.x + width_, pos_.y + height_};
}

void Caret::Hide()
{
    if (exists_)
        ++hideCount_;
}

void Caret::Show()
{
    if (exists_ && hideCount_ > 0)
        --hideCount_;
    blinkOn_ = true;
}

} // namespace ui
