// The program's one document template: it makes form documents and the
// child frames that show them, and swaps the view inside a frame's window
// while the document stays open. Its table holds the six view classes by
// index; a class that is not built has no entry, and its command is disabled.
#pragma once

#include "forms/app/template/runtime_class.h"
#include "forms/app/views/view_index.h"
#include "forms/res/command_ids.h"

#include "platform/ui/doc_template.h"

#include <array>
#include <optional>
#include <string>

class DocumentHost;
class VIEW_HOST;

namespace ui {
class CmdUI;
class Frame;
class MainFrame;
class View;
} // namespace ui

struct ViewTableEntry {
    std::optional<ViewClass> viewClass;
    const char* caption;
};
using ViewTable = std::array<ViewTableEntry, kViewCount>;

// The table's captions, with no class yet: the program fills in the classes
// that are built.
ViewTable FormViewTable();

class CDynViewDocTemplate : public ui::DocTemplate {
public:
    // Document strings, split at "\n": window title, document name, file
    // new name, filter name, filter extension, file type id, file type name.
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

    // The main frame is the one whose active child frame the View commands
    // switch; it must outlive the template.
    CDynViewDocTemplate(std::optional<DocumentClass> documentClass, ViewTable views, ui::MainFrame& mainFrame);

    const ViewTable& Views() const { return views_; }
    // False (and text unchanged) past the last string.
    bool GetDocString(std::string& text, int index) const;
    void SetTemplateMode(bool on) { templateMode_ = on; }
    // What the documents the template makes ask of the application; null
    // until the application gives one.
    void SetDocumentHost(DocumentHost* host) { host_ = host; }
    DocumentHost* GetDocumentHost() const { return host_; }
    // What the views the template makes ask of their frame and the
    // program; null until the application gives one.
    void SetViewHost(VIEW_HOST* host) { viewHost_ = host; }
    VIEW_HOST* GetViewHost() const { return viewHost_; }
    // A new view of the class, given the view host when it is a form view.
    std::unique_ptr<ui::View> MakeView(const ViewClass& viewClass) const;

    // Whether documents and their frames can be made at all: the document
    // class and some view class are there.
    bool CanCreateDocuments() const;
    // A new untitled document in a new child frame; null when none can be made.
    ui::Document* OpenNewDocument();
    // The file read into a new document in a new child frame; null when the
    // document class could not read it.
    ui::Document* OpenDocumentFile(const std::string& path);

    // The framework's initial update of the frame's view, then a switch to
    // the view the document was last shown in.
    void InitialUpdateFrame(ui::Frame& frame, ui::Document& document, bool makeVisible);
    // Replaces the frame's active view by a view of the indexed class in the
    // same window; returns the view now active (the old one when it already
    // is of that class, null when the class is not built).
    ui::View* SwitchView(ui::Frame& frame, int index, bool makeVisible);
    ui::View* SwitchViewOf(ui::View& view, int index, bool makeVisible);

    // Entry 0's class, or else the first class the table has: the class of
    // a new frame's view and of a new splitter pane's.
    const ViewClass* FirstViewClass() const;

    // True when the view is of the indexed class (or derived from it).
    bool IsViewOfIndex(const ui::View& view, int index) const;
    // True when some view of the document is of the indexed class.
    bool HasViewOfIndex(const ui::Document& document, int index) const;
    // True when every view of the document is of the indexed class; false
    // for a document of no such template.
    static bool AllViewsOfIndex(const ui::Document& document, int index);

private:
    void OnViewCommand(unsigned id);
    void OnUpdateViewCommand(ui::CmdUI& cmdUI);
    ui::Document* ShowInNewFrame(std::unique_ptr<ui::Document> document);

    std::optional<DocumentClass> documentClass_;
    ViewTable views_;
    ui::MainFrame& mainFrame_;
    bool templateMode_ = false;
    DocumentHost* host_ = nullptr;
    VIEW_HOST* viewHost_ = nullptr;
    int untitledCount_ = 0;
};
