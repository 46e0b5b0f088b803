#pragma once
// Tools > "Link Test...": opens the link-test dialog with the ports the
// window knows of (its own, while connected, left out: the test opens its
// ports itself and leaves the window's port and pages alone).

#include <QObject>
#include <QPointer>

class QWidget;

namespace zomar {

struct FormContext;
class FilePrompter;
class LinkTestDialog;
class PortResolver;

class LinkTestLauncher : public QObject
{
    Q_OBJECT
public:
    LinkTestLauncher(FormContext &ctx, const PortResolver &resolver, FilePrompter &files,
                     QWidget *window, QObject *parent = nullptr);

    void openLinkTest();
    // The dialog while it is open (null otherwise).
    LinkTestDialog *dialog() const;
    void setFilePrompter(FilePrompter &files);

private:
    FormContext &m_ctx;
    const PortResolver &m_resolver;
    FilePrompter *m_files;
    QWidget *m_window;
    QPointer<LinkTestDialog> m_dialog;
};

} // namespace zomar
