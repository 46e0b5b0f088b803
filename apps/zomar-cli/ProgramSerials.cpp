#include "apps/zomar-cli/ProgramSerials.h"

#include "core/run/ProductionRun.h"
#include "core/protocol/ConfigBlock.h"

#include <QJsonObject>
#include <QSocketNotifier>

#include <cerrno>
#include <unistd.h>

namespace zomar {

QCommandLineOption ProgramSerials::option()
{
    return {QStringLiteral("serial-pattern"),
            QStringLiteral("After each module that passes, read its product serial from standard "
                           "input (a scanner types it and Enter) and bind it to its unit; the "
                           "serial matches this regular expression whole. A label (--label) is "
                           "printed once the serial is bound."),
            QStringLiteral("regex")};
}

bool ProgramSerials::fromOptions(Cli &cli, std::unique_ptr<ProgramSerials> *serials)
{
    if (!cli.parser.isSet(QStringLiteral("serial-pattern")))
        return true;
    const QString text = cli.parser.value(QStringLiteral("serial-pattern"));
    QString error;
    const std::optional<QRegularExpression> pattern = serialPattern(text, &error);
    if (!pattern) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--serial-pattern: %1; nothing was sent").arg(error));
        return false;
    }
    serials->reset(new ProgramSerials(cli, *pattern, text));
    return true;
}

ProgramSerials::ProgramSerials(Cli &cli, const QRegularExpression &pattern, const QString &text)
    : m_cli(cli), m_pattern(pattern), m_patternText(text)
{
    m_input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_input, &QSocketNotifier::activated, this, &ProgramSerials::readInput);
}

ProgramSerials::~ProgramSerials() = default;

void ProgramSerials::attach(ProductionRun &run, const QString &store)
{
    m_binder = std::make_unique<SerialBinder>(
        SerialBinder::Setup{store, run.journalPath(), run.runId(), run.poolId()});
    connect(m_binder.get(), &SerialBinder::bound, this, &ProgramSerials::onBound);
}

QString ProgramSerials::device(const ModuleOutcome &o) const
{
    return o.job.byPath.isEmpty() ? o.job.device : o.job.byPath;
}

void ProgramSerials::passed(const ModuleOutcome &o)
{
    m_waiting << o;
    if (m_waiting.size() == 1 && m_lines.isEmpty() && !m_ended)
        ask();
    pump();
}

void ProgramSerials::pump()
{
    while (!m_binding && !m_waiting.isEmpty() && !m_lines.isEmpty())
        take(m_lines.takeFirst());
    if (m_ended && !m_binding && m_lines.isEmpty())
        releaseAll();
}

void ProgramSerials::ask()
{
    if (m_waiting.isEmpty() || m_binding)
        return;
    const ModuleOutcome &o = m_waiting.first();
    m_cli.err(QStringLiteral("Scan the product serial of unit %1 (%2, local %3), then Enter:")
                  .arg(o.unitId, device(o), o.local ? addressHex(*o.local) : QString()));
}

void ProgramSerials::readInput()
{
    char chunk[4096];
    const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n <= 0) {
        // The end (or a standard input that cannot be read): no more serials.
        m_input->setEnabled(false);
        if (!m_buffer.trimmed().isEmpty())
            m_lines << QString::fromUtf8(std::exchange(m_buffer, {}));
        m_cli.err(QStringLiteral("Standard input ended: units with no serial read go on "
                                 "without one (bind one later: zomar-cli records serial UNIT_ID "
                                 "SERIAL)."));
        m_ended = true;
        pump();
        return;
    }
    m_buffer.append(chunk, n);
    for (qsizetype end = m_buffer.indexOf('\n'); end >= 0; end = m_buffer.indexOf('\n')) {
        const QString line = QString::fromUtf8(m_buffer.left(end)).trimmed();
        m_buffer.remove(0, end + 1);
        if (!line.isEmpty())
            m_lines << line;
    }
    pump();
}

void ProgramSerials::take(const QString &line)
{
    const QString serial = line.trimmed();
    QString refused;
    switch (serialFault(serial, &m_pattern)) {
    case SerialFault::None:
    case SerialFault::Empty:
        break;
    case SerialFault::NotPrintable:
    case SerialFault::TooLong:
        refused = QStringLiteral("a product serial is one line of at most %1 printable "
                                 "characters")
                      .arg(kSerialMaxLength);
        break;
    case SerialFault::NoMatch:
        refused = QStringLiteral("product serial %1 does not match %2")
                      .arg(Cli::visible(serial), m_patternText);
        break;
    }
    if (!refused.isEmpty()) {
        m_cli.err(QStringLiteral("%1: not bound; scan it again.").arg(refused));
        if (m_lines.isEmpty() && !m_ended)
            ask();
        return;
    }
    m_binding = true;
    m_binder->bind(m_waiting.first().unitId, serial);
}

void ProgramSerials::onBound(const QString &unitId, const SerialBinding &binding)
{
    m_binding = false;
    if (m_waiting.isEmpty() || m_waiting.first().unitId != unitId)
        return;
    if (!binding.bound()) {
        m_cli.err(QStringLiteral("%1: not bound; scan it again.").arg(binding.text()));
        if (m_lines.isEmpty() && !m_ended)
            ask();
        pump();
        return;
    }
    const ModuleOutcome o = m_waiting.takeFirst();
    if (m_cli.json())
        m_cli.printJson({{QStringLiteral("unit_id"), unitId},
                         {QStringLiteral("device"), device(o)},
                         {QStringLiteral("product_serial"), binding.serial}});
    else
        m_cli.out(QStringLiteral("SERIAL  %1  unit %2  local %3  S/N %4")
                      .arg(device(o), unitId, o.local ? addressHex(*o.local) : QString(),
                           binding.serial));
    emit settled(o, binding.serial);
    if (!m_waiting.isEmpty() && m_lines.isEmpty() && !m_ended)
        ask();
    pump();
}

void ProgramSerials::stop()
{
    if (!m_ended && !m_waiting.isEmpty())
        m_cli.err(QStringLiteral("Stopping: %1 that passed go%2 without a product serial (bind "
                                 "one later: zomar-cli records serial UNIT_ID SERIAL).")
                      .arg(m_waiting.size() == 1 ? QStringLiteral("the unit")
                                                 : QStringLiteral("%1 units").arg(m_waiting.size()),
                           m_waiting.size() == 1 ? QStringLiteral("es") : QString()));
    m_ended = true;
    m_lines.clear();
    if (m_input)
        m_input->setEnabled(false);
    pump(); // a serial on its way is bound first
}

void ProgramSerials::releaseAll()
{
    while (!m_waiting.isEmpty())
        emit settled(m_waiting.takeFirst(), QString());
}

} // namespace zomar
