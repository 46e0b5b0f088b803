#pragma once
// The one seam through which the window shows modal message boxes, so that
// tests can answer and record them.

#include <QString>

class QWidget;

namespace zomar {

// Title of every message box that gives none of its own.
QString applicationTitle();

struct MessageRequest {
    enum Buttons { Ok, YesNo };
    enum Icon { NoIcon, Critical, Warning, Information };
    enum Answer { AnswerOk, AnswerYes, AnswerNo };

    QString text;
    QString title; // empty: the application's title
    Buttons buttons = Ok;
    Icon icon = NoIcon;
    Answer defaultAnswer = AnswerOk;

    QString shownTitle() const { return title.isEmpty() ? applicationTitle() : title; }
};

class MessagePrompter
{
public:
    virtual ~MessagePrompter() = default;
    virtual MessageRequest::Answer ask(const MessageRequest &request) = 0;

    // An OK box.
    void inform(const QString &text, const QString &title = {},
                MessageRequest::Icon icon = MessageRequest::NoIcon);
    // A Yes/No box with Yes as the default; true for Yes.
    bool confirm(const QString &text, const QString &title = {});
};

// Real QMessageBoxes, parented to the window.
class DialogPrompter : public MessagePrompter
{
public:
    explicit DialogPrompter(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    MessageRequest::Answer ask(const MessageRequest &request) override;

private:
    QWidget *m_parent;
};

} // namespace zomar
