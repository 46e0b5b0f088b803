#include "gui/widgets/Contrast.h"

#include <algorithm>
#include <cmath>

namespace zomar {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor c = colour.toRgb();
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &wanted, const QColor &background, double ratio)
{
    if (contrastRatio(wanted, background) >= ratio)
        return wanted;
    const bool darker = relativeLuminance(background) > 0.18;
    QColor c = wanted.toHsl();
    // Lightness in steps towards black or white keeps the hue that tells
    // one kind of text from another.
    for (int step = 0; step < 100 && contrastRatio(c, background) < ratio; ++step) {
        const double l = std::clamp(c.lightnessF() + (darker ? -0.02 : 0.02), 0.0, 1.0);
        c.setHslF(c.hslHueF(), c.hslSaturationF(), l);
    }
    return c.toRgb();
}

} // namespace zomar
