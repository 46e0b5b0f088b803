#pragma once
// A label drawn: the 2D code at the top left, the fields' lines beside it
// (each one made smaller when it would not fit, never cut), the unit's id
// along the foot. The same layout goes to a PDF page, a system printer
// (paint) and a label printer's ZPL.

#include "core/label/LabelData.h"

#include <QByteArray>
#include <QString>

class QPainter;

namespace zomar {

struct CodeMatrix;

namespace LabelRender {

// Paints on a painter whose device has `dotsPerMm` dots per millimetre,
// the label's top left at (0, 0).
void paint(QPainter &painter, double dotsPerMm, const LabelData &data, const LabelTemplate &t,
           const CodeMatrix &code);
// One PDF page of the label's size; empty with error set when it cannot
// be made. Needs a QGuiApplication (fonts).
QByteArray pdf(const LabelData &data, const LabelTemplate &t, QString *error);
// The label as a ZPL II format (^XA ... ^XZ): the code as a graphic field
// of whole dots per module, the lines in the printer's scalable font.
QByteArray zpl(const LabelData &data, const LabelTemplate &t, QString *error);

} // namespace LabelRender

} // namespace zomar
