#pragma once
// The terminal's typing box: reports every typed character before the box
// takes it, and lets the program append text without moving the caret. A key
// that types a character is the box's even where a menu has it as a shortcut
// (Ctrl+S is XOFF here, not "Save Profile").

#include <QPlainTextEdit>

namespace zomar {

class TypingBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TypingBox(QWidget *parent = nullptr);

    QString text() const { return toPlainText(); }
    void setText(const QString &text);
    void appendText(const QString &text);

signals:
    // One typed character, by its code point (control characters included:
    // Enter is "\r", Backspace "\b"), from a key or from an input method;
    // the box still edits as usual afterwards.
    void keyTyped(char32_t code);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void report(const QString &typed);
};

} // namespace zomar
