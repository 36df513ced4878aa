// The frame of an in-place editor's drop list: a plain child window of the
// editor's parent, made hidden, holding the list box over its client area
// and passing the list's selection changes on.
#pragma once

#include "platform/gdi/types.h"
#include "platform/ui/list_box.h"

#include <functional>
#include <memory>

class QWidget;

namespace ui {

class ListFrame {
public:
    // Hidden, over the rectangle of the parent (device units).
    ListFrame(QWidget* parent, const gdi::RECT& rect);
    ~ListFrame();
    ListFrame(const ListFrame&) = delete;
    ListFrame& operator=(const ListFrame&) = delete;

    // Makes the list box (replacing one made before) over the client area.
    ListBox& CreateListBox(int id);
    void DestroyListBox();
    ListBox* GetListBox() const { return box_.get(); }
    // Called after the user changed the list's selection.
    void SetSelChangeHandler(std::function<void()> handler);

    void MoveWindow(const gdi::RECT& rect);
    gdi::RECT GetWindowRect() const;
    void ShowWindow(bool show);
    bool IsWindowVisible() const;
    QWidget* GetWidget() const;

private:
    struct Frame;
    std::unique_ptr<Frame> frame_;
    std::unique_ptr<ListBox> box_;
    std::function<void()> handler_;
};

} // namespace ui
