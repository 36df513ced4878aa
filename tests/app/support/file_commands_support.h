// The program with the form classes for the File menu's tests: forms
// written to a temporary folder, the active form, its objects' names, and
// hooks that answer the file dialogs and record the message boxes.
#pragma once

#include "tests/app/support/started_app.h"

#include "forms/document/fdocument.h"

#include "platform/ui/file_dialog.h"

#include <QTemporaryDir>

#include <optional>
#include <string>
#include <vector>

class FileCommandsTest : public StartedAppTest {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string PathOf(const std::string& name) const;
    // A form file with one box per name on page 1.
    std::string WriteForm(const std::string& name, const std::vector<std::string>& objects) const;
    // Adds a box of that name to page 1 and marks the document changed.
    static void AddBox(FDOCUMENT& doc, const std::string& name);
    static std::vector<std::string> ObjectNames(FDOCUMENT& doc);
    static std::string FileBytes(const std::string& path);
    static void WriteBytes(const std::string& path, const std::string& bytes);

    FDOCUMENT* ActiveForm() const;
    std::size_t OpenDocumentCount() const;
    bool Send(unsigned id);
    const std::vector<std::string>& RecentFiles() const;

    // File dialogs answered with these answers in turn (nothing: Cancel),
    // message boxes with these answers in turn; both recorded.
    void AnswerDialogs(std::vector<std::optional<std::string>> answers);
    void AnswerBoxes(std::vector<int> answers);

    QTemporaryDir folder;
    std::unique_ptr<FORMSAPP> app;
    std::vector<ui::FileDialogRequest> dialogs;
    std::vector<ui::MessageBoxRequest> boxes;

private:
    std::vector<std::optional<std::string>> dialogAnswers_;
    std::vector<int> boxAnswers_;
    std::optional<ui::ScopedFileDialogHook> dialogHook_;
    std::optional<ui::ScopedMessageBoxHook> boxHook_;
};
