// The file dialogs' answers: the default extension goes onto a name that
// has none (an Open dialog keeps an existing file's name as it is), Cancel
// gives nothing, and with no hook and no screen the call throws.
#include "platform/ui/file_dialog.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

struct ExtensionCase {
    ui::FileDialogKind kind;
    const char* answer; // in the temporary folder; "" for Cancel
    const char* expected;
};

TEST(FileDialogTest, DefaultExtensionGoesOntoANameWithoutOne)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string base = folder.path().toStdString() + "/";
    std::ofstream(base + "README");
    const ExtensionCase cases[] = {
        {ui::FileDialogKind::Save, "order", "order.qwm"},
        {ui::FileDialogKind::Save, "order.txt", "order.txt"},
        {ui::FileDialogKind::Save, "my.forms/order", "my.forms/order.qwm"},
        {ui::FileDialogKind::Open, "order", "order.qwm"},
        {ui::FileDialogKind::Open, "README", "README"},
        {ui::FileDialogKind::Save, "README", "README.qwm"},
    };
    for (const ExtensionCase& c : cases) {
        ui::ScopedFileDialogHook hook {[&](const ui::FileDialogRequest& request) -> std::optional<std::string> {
            EXPECT_EQ(request.kind, c.kind);
            return base + c.answer;
        }};
        ui::FileDialogRequest request;
        request.defaultExtension = ".qwm";
        const std::optional<std::string> chosen
            = c.kind == ui::FileDialogKind::Open ? ui::GetOpenFileName(request) : ui::GetSaveFileName(request);
        ASSERT_TRUE(chosen.has_value()) << c.answer;
        EXPECT_EQ(*chosen, base + c.expected) << c.answer;
    }
}

TEST(FileDialogTest, CancelGivesNothing)
{
    ui::ScopedFileDialogHook hook {[](const ui::FileDialogRequest&) { return std::optional<std::string>(); }};
    EXPECT_FALSE(ui::GetSaveFileName({}).has_value());
    EXPECT_FALSE(ui::GetOpenFileName({}).has_value());
}

TEST(FileDialogTest, WithNobodyToAnswerTheCallThrows)
{
    const ui::FileDialogHook previous = ui::SetFileDialogHook({});
    EXPECT_THROW(ui::GetOpenFileName({}), ui::UnansweredFileDialog);
    ui::SetFileDialogHook(previous);
}

} // namespace
