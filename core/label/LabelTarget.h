#pragma once
// Where labels go: "pdf:FOLDER" (a PDF per unit, for an office printer),
// "printer:NAME" (a printer of the system, through CUPS) or
// "zpl://HOST[:PORT]" (a label printer's raw port, 9100 unless given).

#include <QString>

#include <optional>

namespace zomar {

struct LabelTarget {
    enum Kind { Pdf, Printer, Zpl };
    Kind kind = Pdf;
    QString folder;  // Pdf
    QString printer; // Printer
    QString host;    // Zpl
    quint16 port = 9100;

    static constexpr quint16 kDefaultZplPort = 9100;

    // nullopt with error set for text that names no target.
    static std::optional<LabelTarget> parse(const QString &text, QString *error);
    // As parse takes it: "pdf:/srv/labels", "zpl://10.0.0.7:9100".
    QString text() const;
    // Why labels cannot go there, known before anything is printed (a PDF
    // folder that is not there); "" when none is known.
    QString problem() const;
    // A unit's PDF in the folder: "label-0000012C-<unit id>.pdf".
    QString pdfPath(const QString &unitId, quint32 local) const;
};

} // namespace zomar
