#include "gui/modem/BandAdviceLine.h"

#include "core/protocol/BandPlan.h"
#include "core/protocol/FieldValues.h"
#include "core/protocol/ValueTables.h"
#include "core/settings/AppSettings.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/window/FormContext.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>

namespace zomar {

namespace {

// The channel Set would write for the box's text, or nothing when the text
// is no frequency Set would take.
std::optional<long long> channelOf(Band band, const QString &text)
{
    const QString t = text.trimmed();
    if (band == Band::None || t.isEmpty() ||
        !(t.front().isDigit() || t.front() == QLatin1Char('.')))
        return std::nullopt;
    const std::optional<ChannelNumber> ch = channelFromFrequency(band, t);
    if (!ch || ch->overflow || ch->n < 0 || ch->n > kHighestChannel)
        return std::nullopt;
    return ch->n;
}

// What the page's boxes say the module sends; the TX power and RF speed
// only where their box holds a text of the list (not "??").
std::optional<Emission> emissionOf(const Form1Controls &ui)
{
    const Band band = bandFromText(ui.Combo6->text());
    const std::optional<long long> channel = channelOf(band, ui.Text9->text());
    if (!channel)
        return std::nullopt;
    Emission e;
    e.hz = channelHz(band, *channel);
    const QString power = ui.Text10->text();
    if (txPowerText(txPowerCode(power)) == power)
        e.txPowerDbm = txPowerDbm(txPowerCode(power));
    const QString speed = ui.Combo5->text();
    if (rfSpeedText(rfSpeedCode(speed)) == speed && rfSpeedBps(rfSpeedCode(speed)) > 0)
        e.rfBps = rfSpeedBps(rfSpeedCode(speed));
    return e;
}

} // namespace

BandAdviceLine::BandAdviceLine(FormContext &ctx, AppSettings &settings, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_settings(settings), m_label(new QLabel(ctx.ui.ModemPic))
{
    const Form1Controls &ui = m_ctx.ui;
    m_label->setObjectName(QStringLiteral("BandAdvice"));
    // Between the frequency row (with its two range labels) and "Tx Power",
    // from the labels' column to the page's edge: the room the page has.
    const int top = ui.Label32->geometry().bottom() + 1;
    m_label->setGeometry(ui.Label3->x(), top, ui.ModemPic->width() - ui.Label3->x(),
                         ui.Label4->y() - top);
    QFont font = m_label->font();
    font.setPixelSize(std::max(9, m_label->height() - 5));
    m_label->setFont(font);
    m_label->setFocusPolicy(Qt::NoFocus);

    m_label->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *group = new QActionGroup(m_label);
    for (const QString &key : bandPlanRegions()) {
        const QString name = bandPlanRegionName(key);
        QAction *a = group->addAction(
            name.isEmpty() ? QStringLiteral("No band-plan advice")
                           : QStringLiteral("Band-plan advice for the %1").arg(name));
        a->setCheckable(true);
        a->setData(key);
        m_label->addAction(a);
        connect(a, &QAction::triggered, this, [this, key] { setRegion(key); });
    }
    const QString saved = m_settings.bandPlanRegion();
    m_region = isBandPlanRegion(saved) ? saved : kDefaultBandPlanRegion;
    for (QAction *a : group->actions())
        a->setChecked(a->data().toString() == m_region);

    connect(ui.Text9, &QLineEdit::textChanged, this, &BandAdviceLine::update);
    connect(ui.Combo6, &DropDownBox::changed, this, &BandAdviceLine::update);
    // Typed or picked: a pick from the list raises only picked().
    for (DropDownBox *box : {ui.Text10, ui.Combo5}) {
        connect(box, &DropDownBox::changed, this, &BandAdviceLine::update);
        connect(box, &DropDownBox::picked, this, &BandAdviceLine::update);
    }
    update();
}

void BandAdviceLine::setRegion(const QString &region)
{
    if (!isBandPlanRegion(region))
        return;
    m_region = region;
    m_settings.setBandPlanRegion(region);
    for (QAction *a : m_label->actions())
        a->setChecked(a->data().toString() == region);
    update();
}

void BandAdviceLine::update()
{
    const std::optional<Emission> emission = emissionOf(m_ctx.ui);
    const BandAdvice advice = emission ? bandAdvice(*emission, m_region) : BandAdvice{};
    const QString line = advice.line();
    const QString colour = advice.kind == BandAdvice::Outside ? QStringLiteral("#B00000")
                           : advice.kind == BandAdvice::Unfit ? QStringLiteral("#A05A00")
                                                              : QStringLiteral("#206020");
    m_label->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    m_label->setText(m_label->fontMetrics().elidedText(line, Qt::ElideRight, m_label->width()));
    m_line = line;
    m_details = advice.details().join(QLatin1Char('\n'));
    m_label->setToolTip(line.isEmpty() ? QString()
                                       : m_details + QStringLiteral("\nAdvice only: Set writes "
                                                                    "the frequency you choose."));
}

} // namespace zomar
