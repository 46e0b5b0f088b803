#include "gui/widgets/TypingBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextCursor>

namespace zomar {

TypingBox::TypingBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setUndoRedoEnabled(false);
    setTabChangesFocus(true);
}

void TypingBox::setText(const QString &text)
{
    if (text != toPlainText())
        setPlainText(text);
}

void TypingBox::appendText(const QString &text)
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
}

bool TypingBox::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->text().isEmpty()) {
            event->accept(); // delivered as a key press, which sends it
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void TypingBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    QString typed = event->text();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        typed = QStringLiteral("\r");
    else if (key == Qt::Key_Backspace)
        typed = QStringLiteral("\b");
    else if (key == Qt::Key_Delete || key == Qt::Key_Tab || key == Qt::Key_Backtab)
        typed.clear(); // editing and focus keys, not characters
    report(typed);
    QPlainTextEdit::keyPressEvent(event);
}

void TypingBox::inputMethodEvent(QInputMethodEvent *event)
{
    // Characters composed by an input method (emoji pickers, CJK input)
    // arrive here rather than as key presses.
    report(event->commitString());
    QPlainTextEdit::inputMethodEvent(event);
}

void TypingBox::report(const QString &typed)
{
    // By code point: a character outside the BMP is one character, not two
    // UTF-16 halves.
    for (const uint code : typed.toUcs4())
        emit keyTyped(static_cast<char32_t>(code));
}

} // namespace zomar
