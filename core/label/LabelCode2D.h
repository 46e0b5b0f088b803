#pragma once
// A label's 2D code as a grid of dark and light modules, encoded by libzint
// (QR at error correction M, or Data Matrix ECC 200). The grid holds the
// symbol only; a quiet zone of quietModules() goes around it when drawn.

#include "core/label/LabelTemplate.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace zomar {

struct CodeMatrix {
    LabelCodeKind kind = LabelCodeKind::Qr;
    int columns = 0;
    int rows = 0;
    std::vector<bool> dark; // row by row

    bool at(int row, int column) const { return dark[size_t(row * columns + column)]; }
    // The light border a scanner needs around the symbol: 4 modules for QR,
    // 1 for Data Matrix.
    int quietModules() const { return kind == LabelCodeKind::Qr ? 4 : 1; }

    // nullopt with error set when the text cannot be encoded (too long).
    static std::optional<CodeMatrix> encode(LabelCodeKind kind, const QString &text,
                                            QString *error);
};

} // namespace zomar
