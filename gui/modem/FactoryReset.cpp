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

QString FactoryReset::promptText()
{
    return tr("This will reset the unit to Factory defaults.\r\nContinue?");
}

void FactoryReset::resetDefaults()
{
    // All of it in one turn: fields filled while a read is under way would be
    // overwritten by that read's answer before the Set sends them.
    m_ctx.operations.run([this] { resetNow(); });
}

void FactoryReset::resetNow()
{
    if (!m_ctx.messages.confirm(promptText()))
        return;
    const FieldTexts factory = factoryFieldTexts();
    const auto boxes = m_ctx.ui.addressBoxes();
    for (size_t k = 0; k < boxes.size(); ++k)
        boxes[k]->setText(factory.address[k]);
    m_ctx.ui.Text9->setText(factory.frequency);
    m_ctx.ui.Text10->setText(factory.txPower);
    // A read now would replace the values just written.
    m_fields.setBandWithoutRefresh(factory.band);
    m_ctx.ui.Combo5->setText(factory.rfSpeed);
    m_set.runSet();
}

} // namespace zomar
