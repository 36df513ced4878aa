// The format bar's style box: a sorted drop-down list of style entries
// ("BOX: Red") and the special entries "[None]" and "[Detach]". What it
// lists and what a choice does is the active view's: the box tells the view
// when its list drops down, closes and when it loses the focus.
#pragma once

#include "forms/app/views/style_box.h"
#include "forms/app/views/style_box_owner.h"

#include <QComboBox>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QToolBar;

inline constexpr int kStyleComboId = 111;
inline constexpr int kStyleComboWidth = 125;
// The box's place among the format bar's items.
inline constexpr int kStyleComboSlot = 19;

class STYLECOMBO
    : public QComboBox
    , public STYLE_BOX {
public:
    explicit STYLECOMBO(QWidget* parent = nullptr);

    // The entry text of a style (the one formatter the Style Manager uses).
    static std::string FormatStyleName(uint8_t type, std::string_view name);
    // STYLE_BOX.
    void AddStyle(uint8_t type, std::string_view name) override;
    int AddEntry(std::string_view entry) override;
    void SelectStyle(uint8_t type, std::string_view name) override;
    bool SelectEntry(std::string_view entry) override;
    void SelectNone() override { setCurrentIndex(-1); }
    void Reset() override;
    std::string GetSelectedEntry() const override;
    std::vector<std::string> GetEntries() const;

    // Puts a new box into the bar in place of the separator that keeps its
    // slot; the bar owns it.
    static STYLECOMBO* PutIntoBar(QToolBar& bar);
    // The bar's box, or null.
    static STYLECOMBO* Find(const QToolBar* bar);

    // Who hears the box: by default the styles part of the main frame's
    // active design view.
    using OwnerLookup = std::function<STYLE_BOX_OWNER*()>;
    static void SetOwnerLookup(OwnerLookup lookup);

    void showPopup() override;
    void hidePopup() override;

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    void Notify(unsigned code);
    void TellFocusLost();
    // After the list closed: the view takes the focus, and the choice.
    void OnCloseUp();

    bool popupOpen = false;
    bool focusLossTold = false;
    bool clearingFocus = false;
};
