// The Values page: the values a list field offers (added, inserted,
// edited, deleted and moved in place, each checked as a value of the
// field's kind), whether other values are accepted, and the initial value.
#pragma once

#include "platform/ui/dialog/property_page.h"

#include <cstdint>
#include <memory>

class DATATYPE;
class LISTBOXVALUES;

class VALUESPP : public ui::PropertyPage {
public:
    enum Mode { kIdle = 1, kEditing = 2, kAdding = 3, kInserting = 4 };

    VALUESPP();
    ~VALUESPP() override;

    // A copy of the field's list (none when it has none).
    void Init(const LISTBOXVALUES* list, DATATYPE* type, uint32_t counter);
    void SetDataType(DATATYPE* type) { dataType = type; }
    // Switched on without a list: an empty one.
    void EnableListValues(bool on);
    void SetListEnabled(bool on);
    const LISTBOXVALUES* GetList() const { return list.get(); }
    int GetMode() const { return mode; }

    bool OnSetActive() override;
    bool OnKillActive() override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    // Enter, Escape and Tab on any control of the page, before the sheet.
    bool OnPageKey(int id, bool pushButton, int key);
    void UpdateButtons();
    void EnableListControls();
    void RefreshInitialValue();
    void StartEntry(Mode newMode);
    void EndEntry();
    bool Commit();
    void ShowSelected();
    void FillList(int select);
    // Checks every value against the kind; the first failure gives 599.
    void CheckAllValues();

    std::unique_ptr<LISTBOXVALUES> list;
    bool listEnabled = true;
    Mode mode = kIdle;
    DATATYPE* dataType = nullptr;
    uint32_t counter = 0;
};
