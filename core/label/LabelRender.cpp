#include "core/label/LabelRender.h"

#include "core/label/LabelCode2D.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace zomar {

namespace {

constexpr double kMmPerPt = 25.4 / 72.0;
constexpr double kSmallestPt = 4.0;
constexpr double kGapMm = 1.0; // between the code and the lines

struct Layout {
    QRectF code;     // mm
    QRectF lines;    // mm: the column beside the code
    QRectF foot;     // mm: the unit's id ("" height when it goes in the column)
    QStringList column; // the lines beside the code
    QString footText;
    double pt = 7.0; // the column's font size, made to fit its height
};

Layout layoutOf(const LabelData &data, const LabelTemplate &t)
{
    Layout l;
    const double m = t.marginMm;
    l.code = QRectF(m, m, t.codeMm, t.codeMm);
    const double left = m + t.codeMm + kGapMm;
    for (const LabelField f : t.fields) {
        const QString line = data.line(f);
        if (line.isEmpty())
            continue;
        if (f == LabelField::Unit)
            l.footText = line;
        else
            l.column << line;
    }
    // The id along the foot when there is room under the code for a line of
    // the smallest size, else at the end of the column.
    const double footTop = m + t.codeMm + 0.3;
    if (!l.footText.isEmpty() && t.heightMm - m - footTop >= kSmallestPt * kMmPerPt * 1.1) {
        l.foot = QRectF(m, footTop, t.widthMm - 2 * m, t.heightMm - m - footTop);
    } else if (!l.footText.isEmpty()) {
        l.column << l.footText;
        l.footText.clear();
    }
    l.lines = QRectF(left, m, std::max(0.0, t.widthMm - m - left), t.heightMm - 2 * m);
    if (!l.foot.isEmpty())
        l.lines.setBottom(l.foot.top());
    // Lines 1.15 em apart: as many as there are must fit the column's height.
    l.pt = t.fontPt;
    if (!l.column.isEmpty())
        l.pt = std::max(kSmallestPt,
                        std::min(t.fontPt, l.lines.height() / (l.column.size() * 1.15 * kMmPerPt)));
    return l;
}

// The largest size up to `pt` at which the text fits `widthDots`.
QFont fitted(const QString &family, double pt, const QString &text, double widthDots,
             QPaintDevice *device)
{
    QFont font(family);
    font.setPointSizeF(pt);
    // Vector output at 600 dpi or a printer's resolution: hinting (FreeType
    // running each glyph's bytecode, size by size) gains nothing there and
    // was most of a label's time.
    font.setHintingPreference(QFont::PreferNoHinting);
    const double width = QFontMetricsF(font, device).horizontalAdvance(text);
    if (width > widthDots && width > 0)
        font.setPointSizeF(std::max(1.0, pt * widthDots / width));
    return font;
}

QByteArray zplText(const QString &text)
{
    // ^FH: "_" starts a hex byte, so the format's own characters stay text.
    QByteArray out;
    for (const char c : text.toUtf8()) {
        if (c == '^' || c == '~' || c == '_' || static_cast<unsigned char>(c) < 0x20)
            out += '_' + QByteArray::number(static_cast<unsigned char>(c), 16)
                             .rightJustified(2, '0')
                             .toUpper();
        else
            out += c;
    }
    return out;
}

} // namespace

void LabelRender::paint(QPainter &painter, double dotsPerMm, const LabelData &data,
                        const LabelTemplate &t, const CodeMatrix &code)
{
    const Layout l = layoutOf(data, t);
    const auto dots = [dotsPerMm](const QRectF &mm) {
        return QRectF(mm.x() * dotsPerMm, mm.y() * dotsPerMm, mm.width() * dotsPerMm,
                      mm.height() * dotsPerMm);
    };
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const int side = std::max(code.columns, code.rows) + 2 * code.quietModules();
    const QRectF area = dots(l.code);
    const double module = area.width() / side;
    for (int r = 0; r < code.rows; ++r)
        for (int c = 0; c < code.columns; ++c)
            if (code.at(r, c))
                painter.drawRect(QRectF(area.x() + (c + code.quietModules()) * module,
                                        area.y() + (r + code.quietModules()) * module, module,
                                        module));
    painter.setPen(Qt::black);
    const QRectF column = dots(l.lines);
    double y = column.top();
    for (const QString &line : l.column) {
        const QFont font = fitted(t.font, l.pt, line, column.width(), painter.device());
        painter.setFont(font);
        const QFontMetricsF metrics(font, painter.device());
        painter.drawText(QPointF(column.left(), y + metrics.ascent()), line);
        y += l.pt * 1.15 * kMmPerPt * dotsPerMm;
    }
    if (!l.footText.isEmpty()) {
        const QRectF foot = dots(l.foot);
        const QFont font = fitted(t.font, std::min(l.pt, l.foot.height() / kMmPerPt / 1.1),
                                  l.footText, foot.width(), painter.device());
        painter.setFont(font);
        painter.drawText(QPointF(foot.left(), foot.top() + QFontMetricsF(font, painter.device())
                                                               .ascent()),
                         l.footText);
    }
    painter.restore();
}

QByteArray LabelRender::pdf(const LabelData &data, const LabelTemplate &t, QString *error)
{
    const std::optional<CodeMatrix> code = CodeMatrix::encode(t.code, data.codeText(t.code), error);
    if (!code)
        return {};
    constexpr int kDpi = 600;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kDpi);
        writer.setCreator(QStringLiteral("zomar"));
        writer.setTitle(QStringLiteral("Label of unit %1").arg(data.unitId));
        writer.setPageLayout(QPageLayout(
            QPageSize(QSizeF(t.widthMm, t.heightMm), QPageSize::Millimeter,
                      QStringLiteral("Label"), QPageSize::ExactMatch),
            QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error)
                *error = QStringLiteral("the PDF cannot be drawn");
            return {};
        }
        paint(painter, kDpi / 25.4, data, t, *code);
        painter.end();
    }
    return buffer.data();
}

QByteArray LabelRender::zpl(const LabelData &data, const LabelTemplate &t, QString *error)
{
    const std::optional<CodeMatrix> code = CodeMatrix::encode(t.code, data.codeText(t.code), error);
    if (!code)
        return {};
    const Layout l = layoutOf(data, t);
    const int dpm = t.dotsPerMm;
    const auto dots = [dpm](double mm) { return int(std::lround(mm * dpm)); };
    // Whole dots per module, so every module prints alike.
    const int side = std::max(code->columns, code->rows) + 2 * code->quietModules();
    const int module = std::max(1, dots(t.codeMm) / side);
    const int widthDots = code->columns * module;
    const int rowBytes = (widthDots + 7) / 8;
    QByteArray hex;
    for (int r = 0; r < code->rows; ++r) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < widthDots; ++x)
            if (code->at(r, x / module))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        const QByteArray line = row.toHex().toUpper();
        for (int i = 0; i < module; ++i)
            hex += line;
    }
    const int total = rowBytes * code->rows * module;
    const int offset = code->quietModules() * module;
    QByteArray out = "^XA\n^CI28\n";
    out += QStringLiteral("^PW%1\n^LL%2\n^LH0,0\n").arg(dots(t.widthMm)).arg(dots(t.heightMm)).toLatin1();
    out += QStringLiteral("^FO%1,%2^GFA,%3,%3,%4,")
               .arg(dots(l.code.x()) + offset)
               .arg(dots(l.code.y()) + offset)
               .arg(total)
               .arg(rowBytes)
               .toLatin1() +
           hex + "^FS\n";
    const int lineDots = dots(l.pt * kMmPerPt);
    int y = dots(l.lines.top());
    for (const QString &line : l.column) {
        // One line of the column's width: a longer one is cut by the printer.
        out += QStringLiteral("^FO%1,%2^A0N,%3,%3^FB%4,1,0,L^FH^FD")
                   .arg(dots(l.lines.left()))
                   .arg(y)
                   .arg(lineDots)
                   .arg(dots(l.lines.width()))
                   .toLatin1() +
               zplText(line) + "^FS\n";
        y += int(std::lround(lineDots * 1.15));
    }
    if (!l.footText.isEmpty()) {
        // Condensed a little: the id is the longest line.
        const int footDots = std::min(lineDots, dots(l.foot.height() / 1.1));
        out += QStringLiteral("^FO%1,%2^A0N,%3,%4^FB%5,1,0,L^FH^FD")
                   .arg(dots(l.foot.left()))
                   .arg(dots(l.foot.top()))
                   .arg(footDots)
                   .arg(footDots * 3 / 4)
                   .arg(dots(l.foot.width()))
                   .toLatin1() +
               zplText(l.footText) + "^FS\n";
    }
    out += "^XZ\n";
    return out;
}

} // namespace zomar
