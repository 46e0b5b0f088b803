#pragma once
// Checks a production store step by step, for a station that cannot use
// it: for a server, in order, that Qt's driver is there and loads, that the
// server answers, that the login works, the schema's version, that the role
// may allocate addresses and record units, and what waits in this station's
// journal; for a file, that it opens as a store.

#include <QList>
#include <QString>

namespace zomar {

struct DiagnosisStep {
    enum Result { Ok, Fail, Note };
    Result result = Ok;
    QString text;
    QString todo; // what to do, for a failure
};

namespace StoreDiagnosis {

// The steps up to the first failure (the journal is told in any case).
QList<DiagnosisStep> run(const QString &location, const QString &station);

} // namespace StoreDiagnosis

} // namespace zomar
