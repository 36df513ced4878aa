// The child window of an in-place editor: laid over a rectangle of a view's
// window with a surface of its own, it turns the toolkit's key, input-method,
// mouse and focus events into calls with a virtual key, a Windows-1252
// character and flags, and draws a blinking caret over its surface. Tab and
// Shift+Tab reach it before the toolkit's focus chain; the keys it keeps for
// itself are taken before any accelerator or menu sees them. No key goes on
// to the parent window.
#pragma once

#include "platform/gdi/types.h"
#include "platform/ui/caret.h"
#include "platform/ui/virtual_keys.h"
#include "platform/ui/wnd.h"

#include <memory>

class QWidget;

namespace gdi {
class DC;
class WindowSurface;
} // namespace gdi

namespace ui {

// Mouse flags of the mouse calls.
enum MouseFlag : unsigned {
    kMouseLeft = 1,
    kMouseRight = 2,
    kMouseShift = 4,
    kMouseCtrl = 8,
};

class EditChildWnd : public Wnd {
public:
    EditChildWnd();
    ~EditChildWnd() override;
    EditChildWnd(const EditChildWnd&) = delete;
    EditChildWnd& operator=(const EditChildWnd&) = delete;

    // Makes the window over the rectangle (parent's device units), shown or
    // hidden. Until it first paints, its surface holds what the parent shows
    // beneath it. False when it exists already or there is no parent.
    bool CreateWnd(QWidget* parent, int id, const gdi::RECT& rect, bool visible);
    // Destroys the window (caret, capture and timers with it). Safe from
    // inside one of the window's own calls: the toolkit's widget goes once
    // the event in hand is done.
    void DestroyWnd();
    bool HasWnd() const;
    QWidget* GetWidget() const;
    int GetDlgCtrlID() const { return id_; }

    void MoveWindow(const gdi::RECT& rect, bool repaint);
    void ShowWindow(bool show);
    bool IsWindowVisible() const;
    // (0, 0, width, height); empty without a window.
    gdi::RECT GetClientRect() const;
    // The window's place in its parent (device units).
    gdi::RECT GetWindowRect() const;
    // The parent's client area (0, 0, width, height); empty without a window.
    gdi::RECT GetParentClientRect() const;
    gdi::POINT ClientToScreen(gdi::POINT point) const;
    gdi::RECT ClientToScreen(const gdi::RECT& rect) const;

    void SetFocus();
    bool HasFocus() const;

    // A context drawing on the window's surface (device units, MM_TEXT);
    // null without a window.
    std::unique_ptr<gdi::DC> GetDC();
    // What has been drawn on the window (the caret is not part of it).
    gdi::WindowSurface* GetSurface() const { return surface_.get(); }
    // Marks an area (the whole window for null) to be painted by OnPaint;
    // the paint follows from the event loop, or at once by UpdateWindow.
    void Invalidate(const gdi::RECT* rect = nullptr);
    void UpdateWindow();

    // The mouse capture: kept from SetCapture to ReleaseCapture; while a
    // button is down every move reaches the window that took the press.
    void SetCapture();
    void ReleaseCapture();
    bool HasCapture() const { return capture_; }

    // The caret, in device units. It is drawn over the surface, never into
    // it, and seen only while the window has the focus.
    void CreateCaret(int width, int height);
    void DestroyCaret();
    void SetCaretPos(int x, int y);
    void ShowCaret();
    void HideCaret();
    gdi::POINT GetCaretPos() const { return caret_.GetPos(); }
    int GetCaretHeight() const { return caret_.Height(); }
    bool CaretExists() const { return caret_.Exists(); }
    // Made, shown, and the window has the focus (whatever the blink phase).
    bool IsCaretVisible() const;

    void OnTimer(unsigned id) override;

protected:
    // Keys. A key down goes first to PreTranslateKeyDown: when that answers
    // true the key is eaten; otherwise OnKeyDown (OnSysKeyDown while Alt is
    // down) runs and then each character of the key's text goes to OnChar
    // (OnSysChar while Alt is down). A character without a Windows-1252
    // byte is refused with the beep. Key ups likewise.
    virtual bool PreTranslateKeyDown(unsigned vk, unsigned repeat, unsigned flags);
    virtual bool PreTranslateKeyUp(unsigned vk, unsigned repeat, unsigned flags);
    virtual void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags);
    virtual void OnKeyUp(unsigned vk, unsigned repeat, unsigned flags);
    virtual void OnChar(unsigned char ch, unsigned repeat, unsigned flags);
    virtual void OnSysKeyDown(unsigned vk, unsigned repeat, unsigned flags);
    virtual void OnSysKeyUp(unsigned vk, unsigned repeat, unsigned flags);
    virtual void OnSysChar(unsigned char ch, unsigned repeat, unsigned flags);
    // Whether the window takes the key for itself before accelerators and
    // menus: Esc, F1, Alt+Up and Alt+Down.
    virtual bool TakesKey(unsigned vk, unsigned flags);

    // Mouse, in device units of the window.
    virtual void OnLButtonDown(unsigned flags, gdi::POINT point);
    virtual void OnMouseMove(unsigned flags, gdi::POINT point);
    virtual void OnLButtonUp(unsigned flags, gdi::POINT point);
    virtual void OnLButtonDblClk(unsigned flags, gdi::POINT point);

    virtual void OnSetFocus();
    virtual void OnKillFocus();

    // Paints the invalid area (device units) on the surface.
    virtual void OnPaint(gdi::DC& dc, const gdi::RECT& area);

private:
    class Widget;
    // The toolkit deleted the window with its parent.
    void WidgetDeleted();
    void UpdateCaretArea(const gdi::RECT& before);
    void StartBlinking();

    Widget* widget_ = nullptr;
    std::unique_ptr<gdi::WindowSurface> surface_;
    int id_ = 0;
    bool capture_ = false;
    Caret caret_;
};

} // namespace ui
