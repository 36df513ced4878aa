// The Table Properties dialog driven through the hooks: what it shows for
// the values it is given, the counts its ranges refuse, the name check and
// the resize questions that keep it open, and the style samples, which
// draw their pictures and mark exactly one.
#include "forms/dialogs/table/table_props_dlg.h"

#include "tests/platform/ui/dialog_input.h"

#include "platform/res/missing_handler.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kName = 1269;
constexpr int kColumns = 1215;
constexpr int kRows = 1214;
constexpr int kSamples[] = {1216, 1217, 1218, 1219};

const std::string kBetween1And25 = "Please enter an integer between 1 and 25.";
const std::string kAllColumns = "This many columns will result in all the columns being resized.";
const std::string kAllRows = "This many rows will result in all the rows being resized.";
const std::string kDuplicate = "A table of this name is already on the form.";

// The message boxes a run showed, answered in turn from `answers` (OK once
// they run out).
struct Boxes {
    std::vector<std::string> shown;
    std::deque<int> answers;
};

int RunDialog(TABLE_PROPS_DLG& dialog, const std::function<void(TABLE_PROPS_DLG&)>& drive, Boxes* boxes = nullptr)
{
    res::ScopedMissingHandler missing(res::ThrowMissing);
    ui::ScopedDialogHook hook([&](ui::Dialog& running) { drive(static_cast<TABLE_PROPS_DLG&>(running)); });
    ui::ScopedMessageBoxHook answer([boxes](const ui::MessageBoxRequest& request) {
        if (!boxes) {
            ADD_FAILURE() << request.text;
            return ui::IDOK;
        }
        boxes->shown.push_back(request.text);
        if (boxes->answers.empty())
            return ui::IDOK;
        const int next = boxes->answers.front();
        boxes->answers.pop_front();
        return next;
    });
    return dialog.DoModal();
}

// A new table as the Table command proposes it.
void Propose(TABLE_PROPS_DLG& d)
{
    d.name = "T3";
    d.rows = 4;
    d.columns = 4;
    d.columnHeaders = true;
    d.rowHeaders = true;
}

// Which samples show the highlight colour of the mark.
std::vector<int> MarkedSamples(TABLE_PROPS_DLG& d)
{
    std::vector<int> marked;
    for (const int id : kSamples) {
        const QImage shown = d.GetDlgItem(id)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        bool navy = false;
        for (int y = 0; y < shown.height() && !navy; ++y)
            for (int x = 0; x < shown.width() && !navy; ++x)
                navy = shown.pixel(x, y) == qRgb(0, 0, 0x80);
        if (navy)
            marked.push_back(id);
    }
    return marked;
}

TEST(TablePropsDialog, OpensWithTheValuesGivenAndTheSampleOfTheirHeaders)
{
    const struct {
        bool columnHeaders, rowHeaders;
        int sample;
    } cases[] = {
        {true, false, 1216},
        {false, true, 1217},
        {true, true, 1218},
        {false, false, 1219},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sample);
        TABLE_PROPS_DLG dialog;
        Propose(dialog);
        dialog.rows = 6;
        dialog.columnHeaders = c.columnHeaders;
        dialog.rowHeaders = c.rowHeaders;
        EXPECT_EQ(RunDialog(dialog,
                      [&c](TABLE_PROPS_DLG& d) {
                          EXPECT_EQ(d.GetWindow()->windowTitle(), "Table Properties");
                          EXPECT_EQ(d.GetDlgItemText(kName), "T3");
                          EXPECT_EQ(d.Item<QLineEdit>(kName)->maxLength(), 20);
                          EXPECT_EQ(d.GetDlgItemText(kColumns), "4");
                          EXPECT_EQ(d.GetDlgItemText(kRows), "6");
                          EXPECT_EQ(MarkedSamples(d), std::vector<int> {c.sample});
                          if (c.sample == 1218) {
                              QDir().mkpath(FORMS_TEST_OUTPUT_DIR "/dialogs");
                              EXPECT_TRUE(d.GetWindow()->grab().save(FORMS_TEST_OUTPUT_DIR "/dialogs/table_props.png"));
                          }
                          d.SendCommand(1, ui::BN_CLICKED);
                      }),
            1);
        EXPECT_EQ(dialog.name, "T3");
        EXPECT_EQ(dialog.rows, 6);
        EXPECT_EQ(dialog.columns, 4);
        EXPECT_EQ(dialog.columnHeaders, c.columnHeaders);
        EXPECT_EQ(dialog.rowHeaders, c.rowHeaders);
    }
}

TEST(TablePropsDialog, SamplesShowTheirHeaderBands)
{
    TABLE_PROPS_DLG dialog;
    Propose(dialog);
    RunDialog(dialog, [](TABLE_PROPS_DLG& d) {
        const struct {
            int sample;
            bool headerRow, headerColumn;
        } cases[] = {{1216, true, false}, {1217, false, true}, {1218, true, true}, {1219, false, false}};
        const QRgb shaded = qRgb(0x80, 0x80, 0x80);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.sample);
            const QImage shown = d.GetDlgItem(c.sample)->grab().toImage().convertToFormat(QImage::Format_RGB32);
            // The 41 by 29 picture in the middle, one pixel down and right
            // when pressed in; its first row of cells lies 3 to 7 pixels
            // down, its first column 3 to 10 across.
            const int shift = c.sample == 1218 ? 1 : 0;
            const int x = (shown.width() - 41) / 2 + shift;
            const int y = (shown.height() - 29) / 2 + shift;
            EXPECT_EQ(shown.pixel(x + 24, y + 5) == shaded, c.headerRow);
            EXPECT_EQ(shown.pixel(x + 6, y + 17) == shaded, c.headerColumn);
            EXPECT_EQ(shown.pixel(x + 24, y + 17), qRgb(0xFF, 0xFF, 0xFF)) << "a body cell";
        }
        d.SendCommand(2, ui::BN_CLICKED);
    });
}

TEST(TablePropsDialog, ClickingASampleMovesTheMarkAndChoosesItsHeaders)
{
    const struct {
        std::vector<int> clicks;
        int marked;
        bool columnHeaders, rowHeaders;
    } cases[] = {
        {{1217}, 1217, false, true},
        {{1219}, 1219, false, false},
        {{1216}, 1216, true, false},
        {{1219, 1218}, 1218, true, true},
        {{1218, 1218}, 1218, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.marked);
        TABLE_PROPS_DLG dialog;
        Propose(dialog);
        EXPECT_EQ(RunDialog(dialog,
                      [&c](TABLE_PROPS_DLG& d) {
                          for (const int id : c.clicks)
                              SendClick(d.GetDlgItem(id));
                          QApplication::processEvents();
                          EXPECT_EQ(MarkedSamples(d), std::vector<int> {c.marked});
                          d.SendCommand(1, ui::BN_CLICKED);
                      }),
            1);
        EXPECT_EQ(dialog.columnHeaders, c.columnHeaders);
        EXPECT_EQ(dialog.rowHeaders, c.rowHeaders);
    }

    // Cancel leaves the caller's headers as they were.
    TABLE_PROPS_DLG cancelled;
    Propose(cancelled);
    EXPECT_EQ(RunDialog(cancelled,
                  [](TABLE_PROPS_DLG& d) {
                      SendClick(d.GetDlgItem(1219));
                      d.SendCommand(2, ui::BN_CLICKED);
                  }),
        2);
    EXPECT_TRUE(cancelled.columnHeaders);
    EXPECT_TRUE(cancelled.rowHeaders);
}

TEST(TablePropsDialog, CountsOutsideTheirRangeKeepTheDialogOpen)
{
    const struct {
        const char* name;
        const char* columns;
        const char* rows;
        int pageColumns, pageRows;
        std::string message; // empty: accepted
        int focus;
    } cases[] = {
        {"no rows", "4", "0", 25, 25, kBetween1And25, kRows},
        {"26 rows", "4", "26", 25, 25, kBetween1And25, kRows},
        {"26 columns", "26", "4", 25, 25, kBetween1And25, kColumns},
        {"negative columns", "-3", "4", 25, 25, kBetween1And25, kColumns},
        {"25 of each", "25", "25", 25, 25, "", 0},
        {"a page allowing 4 columns", "5", "4", 4, 25, "Please enter an integer between 1 and 4.", kColumns},
        {"4 on that page", "4", "4", 4, 25, "", 0},
        {"a page allowing none still allows 1", "2", "1", 0, -3, "Please enter an integer between 1 and 1.", kColumns},
        {"1 on that page", "1", "1", 0, -3, "", 0},
        {"a page allowing more than 25", "4", "26", 25, 40, kBetween1And25, kRows},
        {"not a number", "4", "four", 25, 25, "Please enter an integer.", kRows},
        {"a fraction", "2.5", "4", 25, 25, "Please enter an integer.", kColumns},
        {"empty", "", "4", 25, 25, "Please enter an integer.", kColumns},
        {"too large for any integer", "4", "99999999999", 25, 25, kBetween1And25, kRows},
        {"blanks and a sign", " +7\t", " 12 ", 25, 25, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TABLE_PROPS_DLG dialog;
        Propose(dialog);
        dialog.pageColumns = c.pageColumns;
        dialog.pageRows = c.pageRows;
        Boxes boxes;
        const int result = RunDialog(
            dialog,
            [&c](TABLE_PROPS_DLG& d) {
                d.SetDlgItemText(kColumns, c.columns);
                d.SetDlgItemText(kRows, c.rows);
                d.SendCommand(1, ui::BN_CLICKED);
                if (!d.IsRunning())
                    return;
                EXPECT_TRUE(d.GetDlgItem(c.focus)->hasFocus());
                EXPECT_EQ(d.GetDlgItemText(kColumns), c.columns) << "what was typed stays";
                EXPECT_EQ(d.GetDlgItemText(kRows), c.rows);
                d.SendCommand(2, ui::BN_CLICKED);
            },
            &boxes);
        if (c.message.empty()) {
            EXPECT_EQ(result, 1);
            EXPECT_TRUE(boxes.shown.empty());
            EXPECT_EQ(dialog.columns, std::stoi(c.columns));
            EXPECT_EQ(dialog.rows, std::stoi(c.rows));
        } else {
            EXPECT_EQ(result, 2);
            EXPECT_EQ(boxes.shown, std::vector<std::string> {c.message});
            EXPECT_EQ(dialog.columns, 4) << "a refused count changes nothing";
            EXPECT_EQ(dialog.rows, 4);
        }
    }
}

// The table's own check as the caller brings it: trailing blanks dropped,
// the first letter upper case and the rest lower, a name another table has
// refused.
bool CheckAgainst(std::string& name, const std::string& other, std::vector<std::string>& checked)
{
    checked.push_back(name);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    for (size_t i = 0; i < name.size(); ++i)
        name[i] = static_cast<char>(i == 0 ? std::toupper(name[i]) : std::tolower(name[i]));
    if (name == other) {
        ui::MessageBox(kDuplicate, {}, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

TEST(TablePropsDialog, ANewNameIsCheckedAndTakenAsTheCheckLeavesIt)
{
    const struct {
        const char* name;
        const char* typed;
        std::vector<std::string> checked;
        bool refused;
        const char* shown; // the edit after OK
        const char* result; // the dialog's name after it closed
    } cases[] = {
        {"rewritten", "BUDGET  ", {"BUDGET  "}, false, "Budget", "Budget"},
        {"another table's", "costs", {"costs"}, true, "costs", "Sales"},
        {"its own, unchecked", "Sales", {}, false, "Sales", "Sales"},
        {"only blanks added", "Sales ", {"Sales "}, false, "Sales", "Sales"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TABLE_PROPS_DLG dialog;
        dialog.name = "Sales";
        std::vector<std::string> checked;
        dialog.checkName = [&checked](std::string& name) { return CheckAgainst(name, "Costs", checked); };
        Boxes boxes;
        RunDialog(
            dialog,
            [&c](TABLE_PROPS_DLG& d) {
                d.SetDlgItemText(kName, c.typed);
                d.SendCommand(1, ui::BN_CLICKED);
                if (!d.IsRunning())
                    return;
                EXPECT_TRUE(c.refused) << "closed";
                EXPECT_TRUE(d.GetDlgItem(kName)->hasFocus());
                EXPECT_EQ(d.GetDlgItemText(kName), c.shown);
                d.SendCommand(2, ui::BN_CLICKED);
            },
            &boxes);
        EXPECT_EQ(checked, c.checked);
        EXPECT_EQ(boxes.shown, c.refused ? std::vector<std::string> {kDuplicate} : std::vector<std::string> {});
        EXPECT_EQ(dialog.name, c.result);
    }
}

TEST(TablePropsDialog, TheRewrittenNameIsShownInTheEditBeforeTheRangesAreChecked)
{
    TABLE_PROPS_DLG dialog;
    dialog.name = "Sales";
    std::vector<std::string> checked;
    dialog.checkName = [&checked](std::string& name) { return CheckAgainst(name, "Costs", checked); };
    Boxes boxes;
    EXPECT_EQ(RunDialog(
                  dialog,
                  [](TABLE_PROPS_DLG& d) {
                      d.SetDlgItemText(kName, "BUDGET  ");
                      d.SetDlgItemText(kRows, "26");
                      d.SendCommand(1, ui::BN_CLICKED);
                      EXPECT_TRUE(d.IsRunning());
                      EXPECT_EQ(d.GetDlgItemText(kName), "Budget");
                      d.SetDlgItemText(kRows, "25");
                      d.SendCommand(1, ui::BN_CLICKED);
                  },
                  &boxes),
        1);
    EXPECT_EQ(boxes.shown, std::vector<std::string> {kBetween1And25});
    EXPECT_EQ(checked, (std::vector<std::string> {"BUDGET  ", "Budget"})) << "still differs from Sales";
    EXPECT_EQ(dialog.name, "Budget");
    EXPECT_EQ(dialog.rows, 25);
}

TEST(TablePropsDialog, ResizingEveryColumnOrRowIsAskedAndCancelKeepsTheDialogOpen)
{
    struct Asked {
        int count;
        bool columnHeaders, rowHeaders;
        bool operator==(const Asked&) const = default;
    };
    const struct {
        const char* name;
        bool withChecks; // without: a new table
        bool allColumns, allRows;
        const char* columns;
        std::deque<int> answers;
        std::vector<std::string> shown;
        bool closed;
    } cases[] = {
        {"a new table", false, true, true, "7", {}, {}, true},
        {"nothing resized", true, false, false, "7", {}, {}, true},
        {"columns refused", true, true, true, "7", {ui::IDCANCEL}, {kAllColumns}, false},
        {"columns taken, rows refused", true, true, true, "7", {ui::IDOK, ui::IDCANCEL}, {kAllColumns, kAllRows},
            false},
        {"both taken", true, true, true, "7", {ui::IDOK, ui::IDOK}, {kAllColumns, kAllRows}, true},
        {"only rows", true, false, true, "7", {ui::IDOK}, {kAllRows}, true},
        {"a count the range refuses is not asked about", true, true, false, "30", {}, {kBetween1And25}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TABLE_PROPS_DLG dialog;
        Propose(dialog);
        std::vector<Asked> columnsAsked;
        std::vector<Asked> rowsAsked;
        if (c.withChecks) {
            dialog.resizesAllColumns = [&](int count, bool columnHeaders, bool rowHeaders) {
                columnsAsked.push_back({count, columnHeaders, rowHeaders});
                return c.allColumns;
            };
            dialog.resizesAllRows = [&](int count, bool columnHeaders, bool rowHeaders) {
                rowsAsked.push_back({count, columnHeaders, rowHeaders});
                return c.allRows;
            };
        }
        Boxes boxes;
        boxes.answers = c.answers;
        const int result = RunDialog(
            dialog,
            [&c](TABLE_PROPS_DLG& d) {
                SendClick(d.GetDlgItem(1217));
                d.SetDlgItemText(kColumns, c.columns);
                d.SetDlgItemText(kRows, "6");
                d.SendCommand(1, ui::BN_CLICKED);
                if (!d.IsRunning())
                    return;
                EXPECT_EQ(d.GetDlgItemText(kColumns), c.columns);
                EXPECT_EQ(d.GetDlgItemText(kRows), "6");
                d.SendCommand(2, ui::BN_CLICKED);
            },
            &boxes);
        EXPECT_EQ(result, c.closed ? 1 : 2);
        EXPECT_EQ(boxes.shown, c.shown);
        if (c.withChecks && std::string(c.columns) == "7") {
            // The checks see the counts typed and the headers of the sample
            // chosen, columns first.
            EXPECT_EQ(columnsAsked, (std::vector<Asked> {{7, false, true}}));
            EXPECT_EQ(rowsAsked.empty(), c.allColumns && c.answers.front() == ui::IDCANCEL);
            if (!rowsAsked.empty()) {
                EXPECT_EQ(rowsAsked.front(), (Asked {6, false, true}));
            }
        }
        EXPECT_EQ(dialog.columns, c.closed ? 7 : 4);
        EXPECT_EQ(dialog.rows, c.closed ? 6 : 4);
    }
}

} // namespace
