// A document as a command target: commands it does not handle go on to its
// template. It knows the views that show it, its title and whether it has
// unsaved changes.
#pragma once

#include "platform/ui/cmd_target.h"

#include <string>
#include <string_view>
#include <vector>

namespace ui {

class DocTemplate;
class Frame;
class View;

class Document : public CmdTarget {
public:
    explicit Document(DocTemplate* docTemplate = nullptr);
    ~Document() override;

    DocTemplate* GetDocTemplate() const { return template_; }
    // Gives a document made without a template its template, before the
    // template takes it; a document keeps the template it has.
    void SetDocTemplate(DocTemplate* docTemplate);
    const std::vector<View*>& Views() const { return views_; }

    // Windows-1252. Setting it retitles the frames that show the document.
    const std::string& GetTitle() const { return title_; }
    void SetTitle(std::string_view cp1252);
    // Retitles every frame that shows the document, and the main frame.
    void UpdateFrameTitles();

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    // When modified, asks "Save changes to <name>?" with Yes, No and Cancel:
    // Yes saves through DoFileSave. False when the user cancels or saving
    // fails, so that whatever asked stays open.
    virtual bool SaveModified();
    // The name that question gives: the title, unless the document knows
    // better (the file it was read from, say).
    virtual std::string NameToSaveAs() const { return title_; }
    // Saves the document where it belongs; false when it could not. The
    // base class has nowhere to save to and always fails.
    virtual bool DoFileSave();
    // Whether the frame may close as far as this document is concerned:
    // when no other frame shows the document, the changes are asked about.
    virtual bool CanCloseFrame(Frame& frame);
    // Called once the last frame showing the document has closed; hands the
    // document to its template, which deletes it when it owns it.
    virtual void OnCloseDocument();

    bool OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI) override;

private:
    friend class View;
    friend class DocTemplate;
    DocTemplate* template_;
    std::vector<View*> views_;
    std::string title_;
    bool modified_ = false;
};

} // namespace ui
