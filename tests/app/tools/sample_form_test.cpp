// The sample form the build makes: on its pages of fields every field has
// a label, a text object with the field's name, beside it on its row, and
// its table page holds T1 with a total of its number column.
#include "tests/app/support/started_app.h"

#include "forms/app/program/form_classes.h"
#include "forms/document/ccinterface.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/objects/fcell.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fgroup.h"
#include "forms/objects/ftable.h"
#include "forms/objects/ftextobj.h"

#include "platform/ui/frame.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using SampleFormTest = StartedAppTest;

TEST_F(SampleFormTest, EveryFieldOnTheFieldPagesHasItsLabelBesideIt)
{
    auto app = StartApp({FORMS_SAMPLE_FORM}, FormAppClasses());
    auto* doc = dynamic_cast<FDOCUMENT*>(app->GetMainFrame()->GetActiveChild()->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    std::vector<const FFIELD*> fields;
    std::vector<const FTEXTOBJ*> texts;
    for (FORMOBJ* o = doc->GetObjects().GetHead(); o; o = o->GetNext()) {
        if (auto* field = dynamic_cast<FFIELD*>(o))
            fields.push_back(field);
        else if (auto* text = dynamic_cast<FTEXTOBJ*>(o))
            texts.push_back(text);
        else if (auto* group = dynamic_cast<FGROUP*>(o))
            for (FORMOBJ* m = group->GetMembers().GetHead(); m; m = m->GetNext())
                if (auto* member = dynamic_cast<FFIELD*>(m))
                    fields.push_back(member);
    }
    ASSERT_EQ(fields.size(), 22u);
    for (const FFIELD* field : fields) {
        RECT at;
        field->GetRect(at);
        std::string name = field->GetName();
        std::replace(name.begin(), name.end(), '_', ' ');
        const bool labelled = std::any_of(texts.begin(), texts.end(), [&](const FTEXTOBJ* text) {
            RECT r;
            text->GetRect(r);
            return text->GetPage() == field->GetPage() && r.right <= at.left && r.top < at.bottom && at.top < r.bottom
                && std::string(text->GetText().View()) == name;
        });
        EXPECT_TRUE(labelled) << field->GetName() << " on page " << field->GetPage();
    }
    CloseApp(*app);
}

TEST_F(SampleFormTest, TheTablePageHoldsT1InTheFillingOrderAndATotalOfItsNumberColumn)
{
    auto app = StartApp({FORMS_SAMPLE_FORM}, FormAppClasses());
    auto* doc = dynamic_cast<FDOCUMENT*>(app->GetMainFrame()->GetActiveChild()->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetPageCount(), 6);
    auto* table = dynamic_cast<FTABLE*>(doc->FindObjectOfTypeByName(kTypeTable, "T1"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->GetPage(), 6);
    EXPECT_EQ(table->GetColumnCount(), 4);
    EXPECT_EQ(table->GetRowCount(), 4);
    EXPECT_TRUE(table->HasColumnHeaders());
    EXPECT_TRUE(table->HasRowHeaders());
    EXPECT_EQ(doc->GetTableCounter(false), 2) << "a new table is proposed as T2";
    const uint8_t kinds[] = {kKindText, kKindNumber, kKindCheckBox, kKindText};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            FCELL* cell = table->GetCell(c, r);
            ASSERT_NE(cell->GetDataType(), nullptr);
            EXPECT_EQ(cell->GetDataType()->GetTypeTag(), kinds[c]) << c << ", " << r;
            EXPECT_EQ(cell->GetValueList() != nullptr, c == 3) << c << ", " << r;
            EXPECT_TRUE(doc->GetTabOrder().Contains(cell)) << c << ", " << r;
        }
    uint16_t id = 0;
    ASSERT_TRUE(doc->FindFieldIDByName("Column_total", id));
    char formula[256] = {};
    ASSERT_TRUE(doc->GetFormulaHost().GetFormulaString(id, formula));
    EXPECT_STREQ(formula, "SUM(T1.ColB[1..4])");
    EXPECT_EQ(doc->FindField(id)->GetPage(), 6);
    CloseApp(*app);
}

} // namespace
