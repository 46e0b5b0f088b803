#include "gui/window/MessagePrompter.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace zomar {

QString applicationTitle()
{
    return QCoreApplication::translate("Form1", "Zomar Setup Utility");
}

void MessagePrompter::inform(const QString &text, const QString &title, MessageRequest::Icon icon)
{
    MessageRequest request;
    request.text = text;
    request.title = title;
    request.icon = icon;
    ask(request);
}

bool MessagePrompter::confirm(const QString &text, const QString &title)
{
    MessageRequest request;
    request.text = text;
    request.title = title;
    request.buttons = MessageRequest::YesNo;
    request.defaultAnswer = MessageRequest::AnswerYes;
    return ask(request) == MessageRequest::AnswerYes;
}

MessageRequest::Answer DialogPrompter::ask(const MessageRequest &request)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(request.shownTitle());
    QString shown = request.text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(shown);
    switch (request.icon) {
    case MessageRequest::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageRequest::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageRequest::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageRequest::NoIcon:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (request.buttons == MessageRequest::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(request.defaultAnswer == MessageRequest::AnswerNo ? QMessageBox::No
                                                                               : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageRequest::AnswerYes
                                              : MessageRequest::AnswerNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageRequest::AnswerOk;
}

} // namespace zomar
