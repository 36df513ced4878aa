// A list box of Windows-1252 strings as the drop list of an in-place editor
// uses it: reset, add, exact-string find, selection, and a notification
// when the user (never the program) changes the selection.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QWidget;

namespace ui {

class ListBox {
public:
    // The answer of a find or selection that has none.
    static constexpr int kNone = -1;

    // A child of the parent window with its control id.
    ListBox(QWidget* parent, int id);
    ~ListBox();
    ListBox(const ListBox&) = delete;
    ListBox& operator=(const ListBox&) = delete;

    void ResetContent();
    // Adds at the end; answers the new entry's index.
    int AddString(std::string_view cp1252);
    int GetCount() const;
    // The entry's text; empty for an index outside the list.
    std::string GetText(int index) const;
    // The first entry after `after` (kNone: from the start), going round to
    // the start, whose whole text equals the string ignoring case by
    // Windows-1252 rules; kNone when none does.
    int FindStringExact(int after, std::string_view cp1252) const;

    int GetCurSel() const;
    // Selects the entry (kNone or an index outside the list: none) without
    // notifying; answers the index selected or kNone.
    int SetCurSel(int index);
    // Called after the user pressed an entry, which is then the selection
    // (also when it was already).
    void SetSelChangeHandler(std::function<void()> handler);

    // The font of the entries: face, height in pixels, weight and slant.
    void SetFont(std::string_view cp1252Face, int pixelHeight, bool bold, bool italic);
    // The height of one entry in pixels.
    int GetItemHeight() const;
    // The height (pixels, borders included) of the tallest list no taller
    // than the given height that shows whole entries only; at least one
    // entry's.
    int GetIntegralHeight(int height) const;

    void Enable(bool enable);
    int GetDlgCtrlID() const { return id_; }
    QWidget* GetWidget() const;

private:
    class Widget;
    struct Guard;
    // Owned, unless its parent window went first (the guard tells).
    Widget* widget_;
    std::unique_ptr<Guard> guard_;
    int id_;
};

} // namespace ui
