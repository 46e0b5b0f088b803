#include "gui/modem/BandAdviceLine.h"

#include "core/protocol/BandPlan.h"
#include "core/protocol/FieldValues.h"
#include "core/protocol/ValueTables.h"
#include "core/settings/AppSettings.h"
#include "gui/widgets/Contrast.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/widgets/TextFit.h"
#include "gui/window/FormContext.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

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
    : QObject(parent), m_ctx(ctx), m_settings(settings), m_label(new FittedLabel(ctx.ui.Frame2))
{
    const Form1Controls &ui = m_ctx.ui;
    m_label->setObjectName(QStringLiteral("BandAdvice"));
    // The foot of the modem page, under its buttons, down to the frame's
    // border: the one place with room for two lines, so the whole advice is
    // read without hovering. It belongs to the page and is shown with it.
    const QRect page = ui.ModemPic->geometry();
    const int top = page.top() + ui.Command2->geometry().bottom() + 1 + kFitGap;
    const int bottom = ui.Frame2->contentsRect().bottom() - 2;
    m_label->setGeometry(page.left() + ui.Command2->x(), top,
                         page.width() - ui.Command2->x() - kFitGap, bottom - top + 1);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    m_label->setLargestFont(font);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_label->setFocusPolicy(Qt::NoFocus);
    m_label->setAccessibleName(tr("Band-plan advice"));
    m_label->setVisible(!ui.ModemPic->isHidden());
    ui.ModemPic->installEventFilter(this);

    m_label->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *group = new QActionGroup(m_label);
    for (const QString &key : bandPlanRegions()) {
        const QString name = bandPlanRegionName(key);
        QAction *a = group->addAction(
            name.isEmpty() ? tr("No band-plan advice")
                           : tr("Band-plan advice for the %1").arg(name));
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
    // Red, amber or green as a hint; the words say it all without them.
    const QColor hue = advice.kind == BandAdvice::Outside                  ? QColor(0xB0, 0x00, 0x00)
                       : advice.kind == BandAdvice::Unfit || advice.onEdge ? QColor(0xA0, 0x5A, 0x00)
                                                                          : QColor(0x20, 0x60, 0x20);
    QPalette palette = m_ctx.ui.Frame2->palette();
    palette.setColor(QPalette::WindowText, readableOn(hue, palette.color(QPalette::Window)));
    m_label->setPalette(palette);
    m_label->setText(line);
    m_line = line;
    m_details = advice.details().join(QLatin1Char('\n'));
    m_label->setToolTip(line.isEmpty() ? QString()
                                       : m_details + QLatin1Char('\n') +
                                             tr("Advice only: Set writes the frequency you choose."));
}

bool BandAdviceLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ctx.ui.ModemPic &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        m_label->setVisible(event->type() == QEvent::ShowToParent);
    return QObject::eventFilter(watched, event);
}

} // namespace zomar
