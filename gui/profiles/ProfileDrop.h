#pragma once
// Dropping a profile file (.json) anywhere on the window opens it, also over
// a text box, which would otherwise take the file's name as text.

#include <QObject>

class QMimeData;
class QWidget;

namespace zomar {

class ProfileActions;

class ProfileDrop : public QObject
{
    Q_OBJECT
public:
    ProfileDrop(QWidget *window, ProfileActions &profiles, QObject *parent = nullptr);
    ~ProfileDrop() override;

    // The one local .json file a drag carries, or "".
    static QString profileFile(const QMimeData *mime);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    ProfileActions &m_profiles;
};

} // namespace zomar
