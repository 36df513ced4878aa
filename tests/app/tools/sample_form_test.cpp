// The sample form the build makes: on its pages of fields every field has
// a label, a text object with the field's name, beside it on its row.
#include "tests/app/support/started_app.h"

#include "forms/app/program/form_classes.h"
#include "forms/document/fdocument.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fgroup.h"
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
    ASSERT_EQ(fields.size(), 21u);
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

} // namespace
