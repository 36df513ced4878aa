#include "tests/app/support/text_editor_probe.h"

#include "forms/fields/editor/texteditwnd.h"
#include "forms/fields/richtext/richeditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

QWidget* EditorWidget(TEXTEDITWND* editor)
{
    return editor ? editor->GetWidget() : nullptr;
}

std::string EditorText(TEXTEDITWND* editor)
{
    return editor ? editor->GetText() : std::string();
}

RECT EditorPlace(TEXTEDITWND* editor)
{
    if (!editor)
        return {};
    const gdi::RECT r = editor->GetWindowRect();
    return {r.left, r.top, r.right, r.bottom};
}

bool EditorHasSelection(TEXTEDITWND* editor)
{
    return editor && editor->Editor() && editor->Editor()->IsSelectionActive();
}

bool EditorCaretShown(TEXTEDITWND* editor)
{
    return editor && editor->IsCaretVisible();
}

void EditorSelectAll(TEXTEDITWND* editor)
{
    if (editor)
        editor->SelectAll();
}

void KeyInto(TEXTEDITWND* editor, int key, Qt::KeyboardModifiers modifiers)
{
    if (!editor)
        return;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(editor->GetWidget(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(editor->GetWidget(), &release);
}

void TypeInto(TEXTEDITWND* editor, const QString& text)
{
    if (!editor)
        return;
    for (QChar ch : text) {
        const int key = ch == '\n' ? Qt::Key_Return : Qt::Key_unknown;
        const QString sent = ch == '\n' ? QString("\r") : QString(ch);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, sent);
        QApplication::sendEvent(editor->GetWidget(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, sent);
        QApplication::sendEvent(editor->GetWidget(), &release);
    }
}
