#include "core/label/LabelCode2D.h"

#include <zint.h>

#include <cmath>
#include <memory>

namespace zomar {

std::optional<CodeMatrix> CodeMatrix::encode(LabelCodeKind kind, const QString &text,
                                             QString *error)
{
    const std::unique_ptr<zint_symbol, void (*)(zint_symbol *)> symbol(ZBarcode_Create(),
                                                                        ZBarcode_Delete);
    if (!symbol) {
        if (error)
            *error = QStringLiteral("the code cannot be made (out of memory)");
        return std::nullopt;
    }
    symbol->symbology = kind == LabelCodeKind::Qr ? BARCODE_QRCODE : BARCODE_DATAMATRIX;
    // A GS1 code's text names its application identifiers in square brackets.
    symbol->input_mode = kind == LabelCodeKind::Gs1DataMatrix ? GS1_MODE : UNICODE_MODE;
    if (kind == LabelCodeKind::Qr)
        symbol->option_1 = 2; // error correction M: about 15% of the code may be damaged
    else
        symbol->option_3 = DM_SQUARE;
    symbol->scale = 1.0f;
    const QByteArray utf8 = text.toUtf8();
    const int encoded = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char *>(utf8.constData()),
        int(utf8.size()), 0);
    if (encoded >= ZINT_ERROR || !symbol->vector || symbol->width <= 0 || symbol->rows <= 0) {
        if (error)
            *error = QStringLiteral("the code cannot hold \"%1\": %2")
                         .arg(text, QString::fromLatin1(symbol->errtxt));
        return std::nullopt;
    }
    // The vector's rectangles are runs of dark modules, in units of the
    // module size the drawing used.
    CodeMatrix m;
    m.kind = kind;
    m.columns = symbol->width;
    m.rows = symbol->rows;
    m.dark.assign(size_t(m.columns * m.rows), false);
    const double unit = double(symbol->vector->width) / m.columns;
    for (const zint_vector_rect *r = symbol->vector->rectangles; r; r = r->next) {
        const int column = int(std::lround(r->x / unit));
        const int row = int(std::lround(r->y / unit));
        const int width = int(std::lround(r->width / unit));
        const int height = int(std::lround(r->height / unit));
        for (int y = row; y < row + height && y < m.rows; ++y)
            for (int x = column; x < column + width && x < m.columns; ++x)
                if (x >= 0 && y >= 0)
                    m.dark[size_t(y * m.columns + x)] = true;
    }
    return m;
}

} // namespace zomar
