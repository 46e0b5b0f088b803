#pragma once
// Colours that stay readable on whatever background the desktop theme gives:
// contrast as WCAG 2.1 measures it, and a hue made darker or lighter until
// it reaches a ratio against a background.

#include <QColor>

namespace zomar {

// WCAG 2.1: normal text needs 4.5:1.
inline constexpr double kReadableContrast = 4.5;

double relativeLuminance(const QColor &colour);
double contrastRatio(const QColor &a, const QColor &b);
// `wanted` when it already stands out enough from `background`; else the
// same hue darker (on a light background) or lighter (on a dark one).
QColor readableOn(const QColor &wanted, const QColor &background,
                  double ratio = kReadableContrast);

} // namespace zomar
