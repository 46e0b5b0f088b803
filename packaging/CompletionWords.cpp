// Fills the bash completion's template with the program's own word lists:
// the line speeds, the bands, the band plans' regions and a unit's states,
// from the code that defines them, so the completion never falls behind.
// Usage: zomar-completion-words TEMPLATE OUTPUT

#include "core/files/FileWriter.h"
#include "core/link/LineSettings.h"
#include "core/protocol/Band.h"
#include "core/protocol/BandPlan.h"
#include "core/store/Unit.h"

#include <QFile>
#include <QStringList>

#include <cstdio>

using namespace zomar;

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TEMPLATE OUTPUT\n", argv[0]);
        return 1;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(in.errorString()));
        return 1;
    }
    const QList<std::pair<const char *, QStringList>> words = {
        {"@LINE_SPEEDS@", lineSpeedItems()},
        {"@BANDS@", bandNames()},
        {"@REGIONS@", bandPlanRegions()},
        {"@UNIT_STATES@", unitStateNames()},
    };
    QByteArray text = in.readAll();
    for (const auto &[mark, list] : words) {
        if (!text.contains(mark)) {
            std::fprintf(stderr, "%s: %s is missing\n", argv[1], mark);
            return 1;
        }
        text.replace(mark, list.join(QLatin1Char(' ')).toUtf8());
    }
    if (const WriteFailure failure = writeFileAtomically(QString::fromLocal8Bit(argv[2]), text);
        failure.failed()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure.text()));
        return 1;
    }
    return 0;
}
