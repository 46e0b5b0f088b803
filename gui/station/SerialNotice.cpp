#include "gui/station/SerialNotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zomar {

SerialNotice::SerialNotice(QWidget *parent)
    : QFrame(parent), m_label(new QLabel(this)), m_seen(new QPushButton(tr("&Acknowledge"), this))
{
    setObjectName(QStringLiteral("serialNotice"));
    setStyleSheet(QStringLiteral("background: #f9a825; color: black"));
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText); // serials are what a scanner typed
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A click does not take the keyboard from the tiles, where scans go.
    m_seen->setFocusPolicy(Qt::TabFocus);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_seen, 0, Qt::AlignTop);
    connect(m_seen, &QPushButton::clicked, this, &SerialNotice::acknowledge);
    hide();
}

void SerialNotice::add(const QString &text)
{
    m_texts << text;
    m_label->setText(m_texts.join(QLatin1Char('\n')));
    show();
}

QString SerialNotice::text() const
{
    return m_texts.join(QLatin1Char('\n'));
}

void SerialNotice::acknowledge()
{
    m_texts.clear();
    m_label->clear();
    hide();
}

} // namespace zomar
