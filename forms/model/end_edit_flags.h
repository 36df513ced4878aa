// How an edit ends: what a commit of the field being filled, FFIELD::CommitEdit
// and DATATYPE::EndEdit are asked to do with the editor's text.
#pragma once

struct END_EDIT_FLAGS {
    // Takes the text without validating it.
    bool acceptWithoutCheck = false;
    // Does not store the text, and closes the editor even when the text is
    // refused.
    bool closeWhenRefused = false;
};
