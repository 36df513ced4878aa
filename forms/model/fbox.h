// The box of a form: a border, a fill and a drop shadow in the object
// rectangle, with optional rounded corners. The ellipse is built on it.
#pragma once

#include "forms/model/formobj.h"

#include <memory>

class FBOX : public FORMOBJ {
public:
    FBOX();
    ~FBOX() override;

    const char* GetRuntimeClass() const override { return "FBOX"; }
    // Gives the box a default border (rounded flag 1), fill and shadow.
    int Init() override;
    // The type byte, the base group 1, border 3, fill 2, shadow 5, 0xFF.
    void Save(RECORDARCHIVE& ar, uint8_t tag) override;
    uint8_t GetType() const override { return kTypeBox; }
    // Reads the groups in any order up to 0xFF.
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;
    void Draw(VIEWDC& dc) override;
    std::unique_ptr<FORMOBJ> Clone() const override;

    // From the master when one is set, else copies of the own members.
    int GetBorder(BORDER* out) override;
    int GetShade(BASICSHADE* out) override;
    int GetShadow(SHADOW* out) override;
    // Each ends the link to a master first.
    void SetBorder(const BORDER& border) override;
    void SetShade(const BASICSHADE& shade) override;
    void SetShadow(const SHADOW& shadow) override;

    // Init, then takes the appearance; 0 when Init fails.
    int Create(const BASICSHADE& shade, const BORDER& border, const SHADOW& shadow);

protected:
    // Gives a new object this one's effective appearance, master and
    // rectangle, on page 0 and unselected; false when it cannot be made.
    bool MakeCopy(FBOX& copy) const;
    // Reads the border group into the own border.
    virtual void LoadBorder(RECORDARCHIVE& ar);

    std::unique_ptr<BORDER> border;
    std::unique_ptr<BASICSHADE> shade;
    std::unique_ptr<SHADOW> shadow;
};
