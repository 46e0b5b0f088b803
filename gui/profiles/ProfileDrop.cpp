#include "gui/profiles/ProfileDrop.h"

#include "gui/profiles/ProfileActions.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace zomar {

ProfileDrop::ProfileDrop(QWidget *window, ProfileActions &profiles, QObject *parent)
    : QObject(parent), m_window(window), m_profiles(profiles)
{
    m_window->setAcceptDrops(true);
    // The drop goes to the control under the pointer; the window sees it first.
    qApp->installEventFilter(this);
}

ProfileDrop::~ProfileDrop()
{
    qApp->removeEventFilter(this);
}

QString ProfileDrop::profileFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1)
        return QString();
    const QUrl url = mime->urls().constFirst();
    if (!url.isLocalFile() ||
        !url.toLocalFile().endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        return QString();
    return url.toLocalFile();
}

bool ProfileDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QString file = profileFile(drop->mimeData());
    if (file.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // After the drag has ended: opening may show a message box.
        QTimer::singleShot(0, &m_profiles,
                           [profiles = &m_profiles, file] { profiles->openFile(file); });
    }
    return true;
}

} // namespace zomar
