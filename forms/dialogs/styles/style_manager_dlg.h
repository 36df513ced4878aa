// The Style Manager: lists the form's styles and edits, copies, creates and
// deletes them; "Finish" ends it.
#pragma once

#include "platform/ui/dialog/dialog.h"

#include <cstdint>
#include <string>

class FDOCUMENT;
class FORMOBJ;
class STYLE_SITE;

inline constexpr unsigned kStyleManagerDialogId = 2014;

class STYLE_MANAGER_DLG : public ui::Dialog {
public:
    STYLE_MANAGER_DLG(STYLE_SITE& site, QWidget* parent = nullptr);

    // The selected entry, empty when none.
    const std::string& GetSelectedEntry() const { return selected; }
    int GetStyleCount() const { return count; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    void FillList();
    void UpdateButtons();
    // Selects the entry in the list, when it is there.
    bool SelectEntry(const std::string& entry);
    // The style the entry names, or null.
    FORMOBJ* FindStyle(const std::string& entry);
    void OnEdit();
    void OnNew();
    void OnCopy();
    void OnDelete();
    // The sheet on the source; after "Finish" the edited copy, so named,
    // joins the styles and the list shows it selected.
    void EditAndAdd(FORMOBJ* source, const std::string& name);

    STYLE_SITE& site;
    FDOCUMENT* document;
    std::string selected;
    int count = 0;
};
