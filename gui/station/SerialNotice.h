#pragma once
// Product serials the server refused after the station had bound them in its
// journal (it was cut off, and another station bound the same serial
// meanwhile): said under the header until a technician acknowledges them,
// since the unit may have left its slot long before the server answered.

#include <QFrame>
#include <QStringList>

class QLabel;
class QPushButton;

namespace zomar {

class SerialNotice : public QFrame
{
    Q_OBJECT
public:
    explicit SerialNotice(QWidget *parent = nullptr);

    void add(const QString &text);
    // "" when nothing waits to be acknowledged.
    QString text() const;
    void acknowledge();

private:
    QStringList m_texts;
    QLabel *m_label;
    QPushButton *m_seen;
};

} // namespace zomar
