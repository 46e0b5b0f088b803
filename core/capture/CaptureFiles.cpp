#include "core/capture/CaptureFiles.h"

#include "core/capture/CaptureRecorder.h"

#include "core/files/FileWriter.h"

namespace zomar {

namespace {

QString writeAtomically(const QString &path, const QByteArray &content)
{
    return writeFileAtomically(path, content).text();
}

} // namespace

QString logPathFor(const QString &rawPath)
{
    return rawPath + QStringLiteral(".log");
}

QString saveCaptureText(const CaptureRecorder &capture, const QString &path)
{
    QByteArray text;
    for (const QString &line : capture.lines())
        text += line.toUtf8() + '\n';
    return writeAtomically(path, text);
}

QString saveCaptureRaw(const CaptureRecorder &capture, const QString &path)
{
    const CaptureRing &ring = capture.ring();
    QByteArray raw;
    QByteArray log = QStringLiteral("# %1: the bytes of %2 in the order they went, both ways.\n"
                                    "# time, TX (sent) or RX (received), offset in the file, "
                                    "length, bytes in hex\n")
                         .arg(logPathFor(path), path)
                         .toUtf8();
    if (ring.dropped() > 0)
        log += "# " + droppedLine(ring.dropped(), ring.capacity()).toUtf8() + '\n';
    const auto add = [&](const Burst &b) {
        const QString time =
            capture.startedAt().addMSecs(b.startMs).toString(QStringLiteral("HH:mm:ss.zzz"));
        if (b.isNote()) {
            log += QStringLiteral("%1  # %2\n").arg(time, QString::fromUtf8(b.bytes)).toUtf8();
            return;
        }
        log +=
            QStringLiteral("%1  %2  %3  %4  %5\n")
                .arg(time, b.kind == BurstKind::Sent ? QStringLiteral("TX") : QStringLiteral("RX"))
                .arg(raw.size(), 8)
                .arg(b.bytes.size(), 4)
                .arg(hexBytes(b.bytes))
                .toUtf8();
        raw += b.bytes;
    };
    for (int i = 0; i < ring.size(); ++i)
        add(ring.at(i));
    if (capture.openBurst())
        add(*capture.openBurst());
    const QString problem = writeAtomically(path, raw);
    return problem.isEmpty() ? writeAtomically(logPathFor(path), log) : problem;
}

} // namespace zomar
