#include "core/label/LabelTarget.h"

#include "core/protocol/ConfigBlock.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace zomar {

std::optional<LabelTarget> LabelTarget::parse(const QString &text, QString *error)
{
    const auto refuse = [&](const QString &why) -> std::optional<LabelTarget> {
        if (error)
            *error = QStringLiteral("%1: %2").arg(text, why);
        return std::nullopt;
    };
    LabelTarget t;
    if (text.startsWith(QLatin1String("pdf:"))) {
        t.kind = Pdf;
        t.folder = text.mid(4);
        if (t.folder.isEmpty())
            return refuse(QStringLiteral("name the folder: pdf:FOLDER"));
        return t;
    }
    if (text.startsWith(QLatin1String("printer:"))) {
        t.kind = Printer;
        t.printer = text.mid(8);
        if (t.printer.isEmpty())
            return refuse(QStringLiteral("name the printer: printer:NAME (lpstat -p lists them)"));
        return t;
    }
    if (text.startsWith(QLatin1String("zpl://"))) {
        const QUrl url(text, QUrl::StrictMode);
        if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty() ||
            (!url.path().isEmpty() && url.path() != QLatin1String("/")) || url.hasQuery())
            return refuse(QStringLiteral("give the printer as zpl://HOST or zpl://HOST:PORT"));
        t.kind = Zpl;
        t.host = url.host();
        const int port = url.port(kDefaultZplPort);
        if (port < 1 || port > 65535)
            return refuse(QStringLiteral("the port is 1 to 65535"));
        t.port = quint16(port);
        return t;
    }
    return refuse(QStringLiteral("labels go to pdf:FOLDER, printer:NAME or zpl://HOST[:PORT]"));
}

QString LabelTarget::text() const
{
    switch (kind) {
    case Pdf:
        return QStringLiteral("pdf:") + folder;
    case Printer:
        return QStringLiteral("printer:") + printer;
    case Zpl:
        break;
    }
    const QString shown = host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(host) : host;
    return QStringLiteral("zpl://%1:%2").arg(shown).arg(port);
}

QString LabelTarget::problem() const
{
    if (kind != Pdf)
        return {};
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("the folder %1 does not exist").arg(folder);
    if (!info.isDir())
        return QStringLiteral("%1 is not a folder").arg(folder);
    if (!info.isWritable())
        return QStringLiteral("the folder %1 may not be written").arg(folder);
    return {};
}

QString LabelTarget::pdfPath(const QString &unitId, quint32 local) const
{
    return QDir(folder).filePath(
        QStringLiteral("label-%1-%2.pdf").arg(addressHex(local), unitId));
}

} // namespace zomar
