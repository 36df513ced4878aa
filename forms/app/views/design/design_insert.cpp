// The design view's Insert > Date / Time: while a text object is typed in
// place, the date and the time go in at the editor's caret.
#include "forms/app/views/design/design_insert.h"

#include "forms/app/views/date_time_text.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/intl_settings.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/res/command_ids.h"

#include "platform/ui/clock.h"
#include "platform/ui/cmd_ui.h"

void DESIGN_INSERT::RegisterCommands()
{
    view.AddCommand(ID_INSERT_DATE_TIME, [this](unsigned) { OnInsertDateTime(); });
    view.AddUpdate(
        ID_INSERT_DATE_TIME, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(view.GetSelectedRichText() != nullptr); });
}

void DESIGN_INSERT::OnInsertDateTime()
{
    TEXTEDITWND* editor = view.GetSelectedRichText();
    if (!editor)
        return;
    // A text object takes the date and the time, as a text field does.
    const std::string text = DateTimeText(ui::Now(), kKindText, SystemDateOrder());
    if (!text.empty())
        editor->InsertText(text);
}
