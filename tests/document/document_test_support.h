// Support for the form document's tests: a field kind, the object kinds a
// form is made of, a fake application, the program-wide font table and
// printer list, message boxes answered and recorded, and temporary folders.
#pragma once

#include "forms/document/document_host.h"
#include "forms/document/fdocument.h"
#include "forms/document/field_identity.h"
#include "forms/document/font_table.h"
#include "forms/document/print/printer_list.h"
#include "tests/model/test_objects.h"

#include "platform/ui/message_box.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// A field: a box that keeps its field id and tab index (record 0x91).
class TestField
    : public TestBox
    , public FieldIdentity {
public:
    TestField()
        : TestBox(kTypeField, "field")
    {}
    uint16_t GetFieldID() const override { return fieldId; }
    void SetFieldID(uint16_t id) override { fieldId = id; }
    uint16_t GetTabIndex() const override { return tabIndex; }
    void SetTabIndex(uint16_t index) override { tabIndex = index; }
    void Save(RECORDARCHIVE& ar, uint8_t tag) override;
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;

    uint16_t fieldId = 0;
    uint16_t tabIndex = 0;
};

// The kinds a form is made of in these tests: boxes, ellipses, lines and
// orthogonal lines (the box test kind under each type, registered by the
// constructor's first line), fields and groups; and a special-field maker
// that makes test fields.
class FormKinds {
public:
    FormKinds();
    ~FormKinds();

private:
    TestKinds base;
};

// An application that answers the Save dialog with a chosen name.
class FakeHost : public DocumentHost {
public:
    bool IsTutorialMode() const override { return tutorial; }
    bool DoPromptFileName(std::string& name, uint16_t) override;
    std::string GetFormLibraryFolder() const override { return folder; }
    void SetFormLibraryFolder(const std::string& f) override { folder = f; }
    std::string GetDefaultExtension() const override { return ".qwm"; }
    void ClearUndo(FDOCUMENT&) override { ++undoCleared; }
    void SetCurrentLayout(FDOCUMENT&, FLAYOUT* layout) override { currentLayout = layout; }

    bool tutorial = false;
    // Empty: the dialog is cancelled.
    std::string answer;
    std::vector<std::string> proposed;
    std::string folder;
    int undoCleared = 0;
    FLAYOUT* currentLayout = nullptr;
};

// The application's program-wide font table and printer list.
class ProgramParts {
public:
    ProgramParts();
    ~ProgramParts();

    FONT_TABLE fonts;
    PRINTER_LIST printers;
};

// Answers every message box with `answer` and keeps its text.
class MessageLog {
public:
    explicit MessageLog(int answer = ui::IDOK);
    std::vector<std::string> texts;

private:
    ui::ScopedMessageBoxHook hook;
};

// A fresh folder under the test output folder, removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    std::string File(const std::string& name) const { return (path / name).string(); }

    std::filesystem::path path;
};

using Bytes = std::vector<uint8_t>;
Bytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const Bytes& bytes);
// The bytes of a stream of a compound file; empty when it is missing.
Bytes StreamBytes(const std::string& file, const std::string& stream);
// The document's "Contents" as a save writes it.
Bytes ContentsOf(FDOCUMENT& document);
// Saves a new form whose font section lists `faces` faces of its own after
// the program's; false when the save failed. Needs the program's printers.
bool SaveFormWithFaces(const std::string& path, int faces);
