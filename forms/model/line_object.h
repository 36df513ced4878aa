// What the free line and the horizontal or vertical line share: a form
// object whose one appearance attribute is its own border, lent by its
// master while it has one, saved as the base and border groups.
#pragma once

#include "forms/model/formobj.h"

#include <memory>

class LINE_OBJECT : public FORMOBJ {
public:
    LINE_OBJECT();
    ~LINE_OBJECT() override;

    // A default border.
    int Init() override;
    // The type byte, base group 1, border group 3, the kind's own records,
    // 0xFF.
    void Save(RECORDARCHIVE& ar, uint8_t tag) override;
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;
    int GetBorder(BORDER* out) override;
    // Ends the link to a master first; the rounded flag stays 0.
    void SetBorder(const BORDER& border) override;

protected:
    // Init, then takes the border; 0 when Init fails.
    int InitWithBorder(const BORDER& border);
    // Gives a new line this one's effective border, master and rectangle,
    // on page 0 and unselected; false when it cannot be made.
    bool MakeCopy(LINE_OBJECT& copy) const;
    // The kind's records after the border group; none here.
    virtual void SaveRecords(RECORDARCHIVE&) {}
    // Reads one of the kind's records; false for a tag that is none of
    // them (it is skipped).
    virtual bool LoadRecord(RECORDARCHIVE&, uint8_t) { return false; }

    std::unique_ptr<BORDER> border;
};
