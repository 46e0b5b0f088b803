#pragma once
// What a unit's label looks like: its size, the fields it shows in the
// order given, the 2D code's kind and size, the font, and the dots per
// millimetre of a label printer. A template is a small JSON file read
// strictly like a profile ("format": "zomar-label", version 1); every key is
// optional, and the default fits a common 50 x 25 mm label.

#include <QString>
#include <QStringList>

#include <optional>

namespace zomar {

// The 2D code: QR (ISO/IEC 18004), Data Matrix (ECC 200), or GS1 Data
// Matrix (its text as GS1 element strings: see LabelData::codeText).
enum class LabelCodeKind { Qr, DataMatrix, Gs1DataMatrix };

// A field a label can show (the code always holds the unit and its address).
enum class LabelField { Address, Frequency, RfSpeed, Station, Date, Unit, Serial };

struct LabelTemplate {
    double widthMm = 50.0;
    double heightMm = 25.0;
    double marginMm = 1.5;
    LabelCodeKind code = LabelCodeKind::Qr;
    double codeMm = 18.0; // the code's side, quiet zone included
    QString font = QStringLiteral("Liberation Sans");
    double fontPt = 7.0;
    int dotsPerMm = 8; // a label printer's: 8 (203 dpi), 12 (300 dpi) or 24 (600 dpi)
    QList<LabelField> fields = {LabelField::Address, LabelField::Frequency, LabelField::RfSpeed,
                                LabelField::Station, LabelField::Date,      LabelField::Serial,
                                LabelField::Unit};

    // The template in the file; nullopt with error set (one line naming the
    // file and the key) when it cannot be read or is invalid.
    static std::optional<LabelTemplate> read(const QString &path, QString *error);
    // The same for a file's bytes (`file` names it in refusals).
    static std::optional<LabelTemplate> parse(const QByteArray &bytes, const QString &file,
                                              QString *error);
};

// "address", "frequency", "rf_speed", "station", "date", "unit", "serial".
QString labelFieldKey(LabelField field);
QString labelCodeKey(LabelCodeKind kind); // "qr", "datamatrix", "gs1-datamatrix"

} // namespace zomar
