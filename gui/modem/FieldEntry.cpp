#include "gui/modem/FieldEntry.h"

#include "gui/widgets/DropDownBox.h"
#include "gui/window/FormContext.h"
#include "gui/widgets/TrafficView.h"
#include "gui/widgets/TypingBox.h"
#include "gui/modem/RefreshOperation.h"

#include <QEvent>
#include <QLineEdit>

namespace zomar {

FieldEntry::FieldEntry(FormContext &ctx, RefreshOperation &refresh, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_refresh(refresh)
{
    for (QLineEdit *box : m_ctx.ui.addressBoxes())
        box->installEventFilter(this);
    // A pick and a typed character each read the configuration once.
    connect(m_ctx.ui.Combo6, &DropDownBox::picked, this, &FieldEntry::bandChanged);
    connect(m_ctx.ui.Combo6, &DropDownBox::changed, this, &FieldEntry::bandChanged);
    connect(m_ctx.ui.Text13, &TrafficView::gotFocus, this,
            [this] { m_ctx.ui.Text14->setFocus(Qt::OtherFocusReason); });
}

void FieldEntry::setBand(const QString &band)
{
    m_ctx.ui.Combo6->setText(band);
}

void FieldEntry::setBandWithoutRefresh(const QString &band)
{
    m_ctx.ui.Combo6->setTextQuietly(band);
}

bool FieldEntry::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const auto boxes = m_ctx.ui.addressBoxes();
        for (size_t k = 0; k < boxes.size(); ++k) {
            if (boxes[k] == watched)
                addressGotFocus(static_cast<int>(k));
        }
    }
    return QObject::eventFilter(watched, event);
}

void FieldEntry::addressGotFocus(int box)
{
    QLineEdit *edit = m_ctx.ui.addressBoxes()[static_cast<size_t>(box)];
    // Select the whole content so the next keystroke replaces it.
    edit->setSelection(0, static_cast<int>(edit->text().size()));
    edit->setMaxLength(kAddressLength);
}

void FieldEntry::bandChanged()
{
    m_refresh.refresh();
}

} // namespace zomar
