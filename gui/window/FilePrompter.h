#pragma once
// The one seam through which the window asks for a file to open or save,
// beside the message-box seam, so that tests can answer it.

#include <QString>

class QWidget;

namespace zomar {

struct FileRequest {
    enum Mode { Open, Save };

    Mode mode = Open;
    QString caption;
    QString folder;        // where the dialog starts
    QString suggestedName; // Save: the name offered
    QString filter;        // e.g. "Profiles (*.json)"
    QString defaultSuffix; // Save: added to a name typed without one

    // A Save request offering `name`, its suffix added to a name typed without one.
    static FileRequest saveAs(const QString &caption, const QString &name, const QString &filter)
    {
        FileRequest r;
        r.mode = Save;
        r.caption = caption;
        r.suggestedName = name;
        r.filter = filter;
        r.defaultSuffix = name.section(QLatin1Char('.'), -1);
        return r;
    }
};

class FilePrompter
{
public:
    virtual ~FilePrompter() = default;
    // The chosen path, or "" when the operator cancelled.
    virtual QString choose(const FileRequest &request) = 0;
};

// Real QFileDialogs, parented to the window. Saving over a file asks first.
class DialogFilePrompter : public FilePrompter
{
public:
    explicit DialogFilePrompter(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    QString choose(const FileRequest &request) override;

private:
    QWidget *m_parent;
};

} // namespace zomar
