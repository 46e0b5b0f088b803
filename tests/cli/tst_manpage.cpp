// zomar-cli's manual page, as the build makes it from the program's help:
// the exit codes are the help's (and so the table's, which the README is
// checked against), and each command has its section with the options its
// help lists.

#include "tests/cli/CliRun.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>

using namespace zomar::test;

namespace {

// The page as text: its roff escapes undone, request lines kept.
QString pageText()
{
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), QStringLiteral(ZOMAR_MAN_PAGE)});
    if (!gzip.waitForFinished(20000) || gzip.exitCode() != 0)
        return QString();
    QString text = QString::fromUtf8(gzip.readAllStandardOutput());
    for (const char *font : {"\\fB", "\\fR", "\\fI", "\\&"})
        text.remove(QLatin1String(font));
    return text.replace(QLatin1String("\\-"), QLatin1String("-"))
        .replace(QLatin1String("\\e"), QLatin1String("\\"));
}

// The lines of a section (".SH NAME") up to the next one.
QString section(const QString &page, const QString &heading)
{
    return page.section(QStringLiteral("\n.SH ") + heading + QLatin1Char('\n'), 1)
        .section(QStringLiteral("\n.SH "), 0, 0);
}

// "code: meaning" of the help's "Exit codes:" paragraph, each simplified.
QMap<int, QString> helpExitCodes(const QString &help)
{
    QMap<int, QString> codes;
    int code = -1;
    const QString paragraph = help.section(QStringLiteral("\nExit codes:\n"), 1);
    for (const QString &line : paragraph.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        static const QRegularExpression head(QStringLiteral("^  (\\d+)  +(.*)$"));
        const QRegularExpressionMatch m = head.match(line);
        if (m.hasMatch())
            codes[code = m.captured(1).toInt()] = m.captured(2);
        else
            codes[code] += QLatin1Char(' ') + line.trimmed();
    }
    for (QString &meaning : codes)
        meaning = meaning.simplified();
    return codes;
}

QSet<QString> optionsIn(const QString &text)
{
    QSet<QString> options;
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--[a-z][a-z-]*"));
    for (auto it = option.globalMatch(text); it.hasNext();)
        options << it.next().captured();
    return options;
}

} // namespace

class TstManPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exitStatusIsTheHelps();
    void eachCommandWithItsOptions();

private:
    QString m_page;
    QString m_help;
};

void TstManPage::initTestCase()
{
    if (!QFile::exists(QStringLiteral(ZOMAR_MAN_PAGE)))
        QSKIP("no manual page: the build found no help2man");
    m_page = pageText();
    QVERIFY2(m_page.contains(QLatin1String(".SH NAME")), ZOMAR_MAN_PAGE);
    const CliRun help = runCli({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    m_help = help.out;
}

void TstManPage::exitStatusIsTheHelps()
{
    const QMap<int, QString> help = helpExitCodes(m_help);
    QVERIFY(help.contains(0) && help.contains(5));
    QMap<int, QString> page;
    // ".TP", the code, then its meaning over as many lines as it takes.
    for (const QString &entry : section(m_page, QStringLiteral("\"EXIT STATUS\""))
                                    .split(QStringLiteral(".TP\n"), Qt::SkipEmptyParts)) {
        const QString code = entry.section(QLatin1Char('\n'), 0, 0);
        page[code.toInt()] = entry.section(QLatin1Char('\n'), 1).simplified();
    }
    QCOMPARE(page, help);
}

void TstManPage::eachCommandWithItsOptions()
{
    QStringList commands;
    const QString listed =
        m_help.section(QStringLiteral("\nCommands:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    for (const QString &line : listed.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("  ")) && line.at(2) != QLatin1Char(' '))
            commands << line.simplified().section(QLatin1Char(' '), 0, 0);
    QVERIFY(commands.size() >= 10);

    const QStringList sections =
        section(m_page, QStringLiteral("COMMANDS")).split(QStringLiteral("\n.SS "));
    QStringList documented;
    for (const QString &s : sections.mid(1)) {
        const QString command = s.section(QLatin1Char('\n'), 0, 0);
        documented << command;
        const CliRun own = runCli({command, QStringLiteral("--help")});
        QCOMPARE(own.exitCode, 0);
        const QSet<QString> page = optionsIn(s);
        const QSet<QString> help =
            optionsIn(own.out.section(QStringLiteral("\nExit codes:\n"), 0, 0));
        QVERIFY2(page == help,
                 qPrintable(QStringLiteral("%1: only in its help %2, only on the page %3")
                                .arg(command, QStringList((help - page).values()).join(' '),
                                     QStringList((page - help).values()).join(' '))));
    }
    QCOMPARE(documented, commands);
}

QTEST_GUILESS_MAIN(TstManPage)
#include "tst_manpage.moc"
