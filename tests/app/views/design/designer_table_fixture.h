// A design view with a table made by the Table command (T1: four columns
// ColA to ColD, four rows, both header bands, selected) and a number field
// Total whose formula sums T1.ColB[1..4]; with the input the tests of the
// table's commands send: clicks on cells and headers, a right click whose
// shortcut menu is kept and answered, a double click, dialogs driven
// through their hook, the form's "Contents" stream and pictures.
#pragma once

#include "tests/app/support/designer_window.h"
#include "tests/app/support/fake_view_host.h"

#include "forms/dialogs/table/table_props_dlg.h"
#include "forms/document/ccinterface.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/objects/fcell.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fheader.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftable.h"
#include "forms/res/command_ids.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"
#include "platform/res/missing_handler.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/dialog/popup_menu.h"
#include "platform/ui/message_box.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TableDesignerTest : public DesignerTest {
protected:
    TableDesignerTest()
    {
        view.SetViewHost(&viewHost);
        {
            ui::ScopedDialogHook hook([](ui::Dialog& d) { d.SendCommand(1, ui::BN_CLICKED); });
            view.ExecuteCommand(ID_TOOL_TABLE);
        }
        for (FORMOBJ* o : Objects())
            if (auto* t = dynamic_cast<FTABLE*>(o))
                table = t;
        auto* field = dynamic_cast<FFIELD*>(Add(kTypeField, {1440, 6000, 4320, 6288}));
        field->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(doc.get())));
        field->SetDataType(*CreateDataType(kKindNumber), nullptr);
        field->SetName("Total");
        doc->InsertFieldInOrder(field, false);
        total = field;
        char message[256] = {};
        formulaTaken = doc->GetFormulaHost().AddFormula(total->GetFieldID(), "SUM(T1.ColB[1..4])", message) != 0;
        doc->SetModified(false);
    }
    ~TableDesignerTest() override { view.SetViewHost(nullptr); }

    void SetUp() override
    {
        ASSERT_NE(table, nullptr);
        ASSERT_EQ(table->GetName(), "T1");
        ASSERT_TRUE(formulaTaken);
        ASSERT_EQ(Selected(), std::vector<FORMOBJ*> {table});
    }

    // Window points at the middle of a cell and of a column header.
    POINT CellPoint(int column, int row)
    {
        RECT r;
        table->GetCellRect(r, column, row);
        return At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    POINT HeaderPoint(int column)
    {
        RECT r;
        table->GetHeaderRect(r, *table->GetColumnHeader(column));
        return At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    // Runs what starts a dialog; the hook drives it (and every dialog it
    // opens). Message boxes are kept and answered from `answers` in turn,
    // then with OK.
    void WithDialog(const std::function<void()>& start, const std::function<void(ui::Dialog&)>& drive)
    {
        res::ScopedMissingHandler missing(res::ThrowMissing);
        ui::ScopedDialogHook hook([&](ui::Dialog& running) {
            ++dialogsRun;
            drive(running);
        });
        ui::ScopedMessageBoxHook messagesHook([&](const ui::MessageBoxRequest& request) {
            messages.push_back(request.text);
            if (answers.empty())
                return static_cast<int>(ui::IDOK);
            const int answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        });
        start();
    }

    // The form's "Contents" stream as the document writes it.
    std::vector<uint8_t> Contents()
    {
        io::MemoryFile file;
        {
            io::Archive ar(file, io::Archive::Store);
            doc->Serialize(ar);
            ar.Close();
        }
        return file.Data();
    }

    static std::vector<uint16_t> CellIds(FTABLE& t)
    {
        std::vector<uint16_t> ids;
        t.ForEachCell([&ids](FORMOBJ& cell) { ids.push_back(dynamic_cast<FCELL&>(cell).GetFieldID()); });
        return ids;
    }

    std::string FormulaOfTotal()
    {
        char text[1024] = {};
        doc->GetFormulaHost().GetFormulaString(total->GetFieldID(), text);
        return text;
    }

    static void SavePicture(QWidget* window, const std::string& name)
    {
        const std::filesystem::path dir(FORMS_TEST_OUTPUT_DIR);
        std::filesystem::create_directories(dir);
        EXPECT_TRUE(window->grab().toImage().save(QString::fromStdString((dir / name).string())));
    }

    FakeViewHost viewHost;
    FTABLE* table = nullptr;
    FFIELD* total = nullptr;
    bool formulaTaken = false;
    std::vector<std::string> messages;
    std::vector<int> answers;
    int dialogsRun = 0;
};
