// What tests of text typed in the design view read from and send to the
// editor window.
#pragma once

#include "forms/model/geometry.h"

#include <QString>
#include <Qt>

#include <string>

class QWidget;
class TEXTEDITWND;

QWidget* EditorWidget(TEXTEDITWND* editor);
std::string EditorText(TEXTEDITWND* editor);
// The window's place in the view's window (device units).
RECT EditorPlace(TEXTEDITWND* editor);
bool EditorHasSelection(TEXTEDITWND* editor);
// The caret is made, shown and the window has the focus.
bool EditorCaretShown(TEXTEDITWND* editor);
void EditorSelectAll(TEXTEDITWND* editor);
// Each character as a key press and release carrying it; a line feed is
// the Enter key.
void TypeInto(TEXTEDITWND* editor, const QString& text);
void KeyInto(TEXTEDITWND* editor, int key, Qt::KeyboardModifiers modifiers);
