// The Style Manager's New step: the new style's name and kind, checked
// before the style sheet opens.
#pragma once

#include "platform/ui/dialog/dialog.h"

#include <cstdint>
#include <string>

class STYLE_SITE;

inline constexpr unsigned kNewStyleDialogId = 2015;

class NEW_STYLE_DLG : public ui::Dialog {
public:
    NEW_STYLE_DLG(STYLE_SITE& site, QWidget* parent = nullptr);

    // After 1: the chosen kind's entry ("BOX: "), its type and the
    // normalised name.
    const std::string& GetTypeEntry() const { return typeEntry; }
    uint8_t GetType() const;
    const std::string& GetName() const { return name; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    void UpdateNext();
    void OnNext();

    STYLE_SITE& site;
    std::string typeEntry;
    std::string name;
};
