#pragma once
// A capture saved to disk: as the lines shown, or as the raw bytes in the
// order they went (both ways) with a timestamped hex log beside them that
// tells which bytes went which way.

#include <QString>

namespace zomar {

class CaptureRecorder;

// The lines as text (UTF-8, one a line). "" when saved, else why not.
QString saveCaptureText(const CaptureRecorder &capture, const QString &path);
// The bytes to `path`, the log to logPathFor(path). "" when saved, else why not.
QString saveCaptureRaw(const CaptureRecorder &capture, const QString &path);
// "capture.bin" -> "capture.bin.log".
QString logPathFor(const QString &rawPath);

} // namespace zomar
