// The design view's format commands: a Format dialog works on the selected
// objects, applying each change at once and taking all of it back on
// Cancel, or, when the selection has no such attribute, on the attribute
// that new objects take.
#include "forms/app/edit/undo_snapshot_scope.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/dialogs/appearance/shadowdlg.h"
#include "forms/document/fdocument.h"
#include "forms/model/fselection.h"
#include "forms/model/viewdc.h"

#include "platform/ui/message_box.h"

#include <optional>

namespace {

// The view's dialog flag for the time a format dialog runs.
class DialogOpenScope {
public:
    explicit DialogOpenScope(FDESIGNVIEW& view)
        : view(view)
    {
        view.SetAppearanceSheetOpen(true);
    }
    ~DialogOpenScope() { view.SetAppearanceSheetOpen(false); }
    DialogOpenScope(const DialogOpenScope&) = delete;
    DialogOpenScope& operator=(const DialogOpenScope&) = delete;

private:
    FDESIGNVIEW& view;
};

} // namespace

void FDESIGNVIEW::SetSelectionShadow(const SHADOW& shadow, uintptr_t flag)
{
    if (!selection)
        return;
    if (flag == 0) {
        selection->ChangeShadow(shadow, this);
        return;
    }
    VIEWDC dc(this);
    if (!SetupOwnDC(dc))
        return;
    selection->Invalidate(this);
    selection->SetShadow(shadow);
    selection->Invalidate(this);
}

int FDESIGNVIEW::GetCurrentShadow(SHADOW* out)
{
    if (selection && selection->GetShadow(out))
        return 1;
    out->Copy(currentShadow);
    return 0;
}

void FDESIGNVIEW::OnFormatShadow()
{
    FDOCUMENT* doc = GetFormDocument();
    if (!selection || !doc)
        return;
    SHADOW current;
    const bool fromSelection = GetCurrentShadow(&current);
    const SHADOW old = current;
    const bool anySelected = selection->GetCount() > 0;
    // Dropped when the command ends, whatever its result.
    std::optional<UndoSnapshotScope> snapshot;
    if (anySelected)
        snapshot.emplace(doc->GetUndoList(), &doc->GetObjects());

    SHADOWDLG dialog(GetWindow());
    dialog.SetShadow(current, this);
    int result;
    {
        DialogOpenScope open(*this);
        selection->Invalidate(this);
        result = dialog.DoModal();
    }
    const SHADOW& chosen = dialog.GetShadow();
    if (result == ui::IDOK) {
        if (fromSelection) {
            if (!chosen.IsEqual(old)) {
                doc->SetModified(true);
                selection->Invalidate(this);
            }
        } else {
            currentShadow.Copy(chosen);
        }
    } else if (!anySelected) {
        currentShadow.Copy(old);
    } else {
        selection->Invalidate(this);
        snapshot->Restore();
        selection->Invalidate(this);
    }
}
