#include "gui/modem/FactoryReset.h"

#include "gui/widgets/DropDownBox.h"
#include "gui/window/FormContext.h"
#include "gui/modem/FieldEntry.h"
#include "gui/modem/OperationQueue.h"
#include "gui/modem/SetOperation.h"

#include <QLineEdit>

namespace zomar {

FactoryReset::FactoryReset(FormContext &ctx, FieldEntry &fields, SetOperation &set, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_fields(fields), m_set(set)
{}

void FactoryReset::resetDefaults()
{
    // All of it in one turn: fields filled while a read is under way would be
    // overwritten by that read's answer before the Set sends them.
    m_ctx.operations.run([this] { resetNow(); });
}

void FactoryReset::resetNow()
{
    if (!m_ctx.messages.confirm(kPrompt))
        return;
    for (QLineEdit *box : m_ctx.ui.addressBoxes())
        box->setText(QStringLiteral("00"));
    m_ctx.ui.Text9->setText(QStringLiteral("433.92"));
    // "0" matches no list item and is written as power code 0.
    m_ctx.ui.Text10->setText(QStringLiteral("0"));
    // A read now would replace the values just written.
    m_fields.setBandWithoutRefresh(QStringLiteral("433Mhz"));
    m_ctx.ui.Combo5->setText(QStringLiteral("19200 bps"));
    m_set.runSet();
}

} // namespace zomar
