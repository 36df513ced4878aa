// What the form document asks of the application, its document template
// and its views; the application implements it.
#pragma once

#include <cstdint>
#include <string>

class FDOCUMENT;
class FLAYOUT;

class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    // In the tutorial mode documents show no title.
    virtual bool IsTutorialMode() const = 0;
    // The program's Save dialog: the name in and out; false when cancelled.
    virtual bool DoPromptFileName(std::string& name, uint16_t titleId) = 0;
    // The folder the Save dialog starts in; Save As sets it.
    virtual std::string GetFormLibraryFolder() const = 0;
    virtual void SetFormLibraryFolder(const std::string& folder) = 0;
    // The form files' extension, with its dot.
    virtual std::string GetDefaultExtension() const = 0;
    // Empties the document's undo list.
    virtual void ClearUndo(FDOCUMENT& document) = 0;
    // Makes the layout the first view's current layout.
    virtual void SetCurrentLayout(FDOCUMENT& document, FLAYOUT* layout) = 0;
    // Takes the document's views that test-fill it back to design. Without
    // views there is nothing to take back.
    virtual void EndTestFill(FDOCUMENT&) {}
};
