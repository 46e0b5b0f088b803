#include "core/script/ScriptCsv.h"

#include "core/fleet/ProgramLog.h"

#include <QDir>
#include <QRegularExpression>

namespace zomar {

QString ScriptCsv::fileName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]{0,99}$"));
    if (!plain.match(name).hasMatch())
        return {};
    return name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? name
                                                                       : name + QStringLiteral(".csv");
}

QString ScriptCsv::open(const QString &folder, const QString &name, const QStringList &columns)
{
    const QString file = fileName(name);
    if (file.isEmpty())
        return QStringLiteral("csv(\"%1\"): a plain file name is needed (letters, digits, \".\", "
                              "\"-\", \"_\"; no folder): the file goes to %2")
            .arg(name, QDir::toNativeSeparators(folder));
    if (columns.isEmpty())
        return QStringLiteral("csv(\"%1\"): name its columns, e.g. csv(\"%1\", [\"cycle\", "
                              "\"result\"])")
            .arg(name);
    const WriteFailure failure =
        m_file.open(QDir(folder).filePath(file), OutputStream::Start::Empty);
    if (failure.failed())
        return QStringLiteral("csv(\"%1\"): %2").arg(name, failure.text());
    m_columns = columns;
    if (!m_file.write(ProgramLog::csvLine(columns)))
        return QStringLiteral("csv(\"%1\"): %2").arg(name, m_file.failure().text());
    return {};
}

QString ScriptCsv::row(const QStringList &fields)
{
    if (!m_file.isOpen())
        return QStringLiteral("the CSV file is closed");
    if (!m_file.write(ProgramLog::csvLine(fields)))
        return m_file.failure().text();
    return {};
}

QString ScriptCsv::close()
{
    if (!m_file.isOpen())
        return m_file.failure().failed() ? m_file.failure().text() : QString();
    const WriteFailure failure = m_file.close();
    return failure.failed() ? failure.text() : QString();
}

} // namespace zomar
