#include "core/label/LabelPrinter.h"

#include "core/files/FileWriter.h"
#include "core/store/ProductionStore.h"
#include "core/sharedstore/StationJournal.h"
#include "core/sharedstore/StoreLeases.h"
#include "core/label/LabelCode2D.h"
#include "core/label/LabelRender.h"

#include <QElapsedTimer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTcpSocket>
#include <QThread>

#include <future>
#include <memory>

#include <utility>

namespace zomar {

namespace {

// A label printer's host status (~HS): three framed strings; the first's
// second and third fields say "paper out" and "paused".
QString statusProblem(const QByteArray &answer)
{
    const int start = answer.indexOf('\x02');
    const int end = answer.indexOf('\x03', start);
    if (start < 0 || end < 0)
        return {};
    const QList<QByteArray> fields = answer.mid(start + 1, end - start - 1).split(',');
    if (fields.value(1).trimmed() == "1")
        return QStringLiteral("the printer is out of paper");
    if (fields.value(2).trimmed() == "1")
        return QStringLiteral("the printer is paused");
    return {};
}

QString sendZpl(const QByteArray &zpl, const LabelTarget &target)
{
    QTcpSocket socket;
    socket.connectToHost(target.host, target.port);
    if (!socket.waitForConnected(LabelPrinter::kConnectTimeoutMs))
        return socket.error() == QAbstractSocket::SocketTimeoutError
                   ? QStringLiteral("%1 did not take a connection within %2 s")
                         .arg(target.text())
                         .arg(LabelPrinter::kConnectTimeoutMs / 1000)
                   : QStringLiteral("%1: %2").arg(target.text(), socket.errorString());
    // The label, then its status: a printer that answers has the label.
    socket.write(zpl + "~HS\n");
    QByteArray answer;
    QElapsedTimer waited;
    waited.start();
    while (answer.count('\x03') < 3) {
        const qint64 left = LabelPrinter::kAnswerTimeoutMs - waited.elapsed();
        if (left <= 0 || !socket.waitForReadyRead(int(left))) {
            if (socket.state() != QAbstractSocket::ConnectedState && !answer.isEmpty())
                break;
            return socket.state() == QAbstractSocket::ConnectedState
                       ? QStringLiteral("%1 did not answer within %2 s")
                             .arg(target.text())
                             .arg(LabelPrinter::kAnswerTimeoutMs / 1000)
                       : QStringLiteral("%1 closed the connection before it answered")
                             .arg(target.text());
        }
        answer += socket.readAll();
    }
    socket.disconnectFromHost();
    return statusProblem(answer);
}

QString printOn(const LabelData &data, const LabelTemplate &layout, const LabelTarget &target)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(target.printer);
    if (info.isNull())
        return QStringLiteral("the system knows no printer %1 (lpstat -p lists them)")
            .arg(target.printer);
    QString error;
    const std::optional<CodeMatrix> code = CodeMatrix::encode(layout.code, data.codeText(layout.code), &error);
    if (!code)
        return error;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Label of unit %1").arg(data.unitId));
    printer.setPageLayout(QPageLayout(
        QPageSize(QSizeF(layout.widthMm, layout.heightMm), QPageSize::Millimeter,
                  QStringLiteral("Label"), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF()));
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("printer %1 cannot be used").arg(target.printer);
    LabelRender::paint(painter, printer.resolution() / 25.4, data, layout, *code);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return QStringLiteral("printer %1 refused the label").arg(target.printer);
    return {};
}

} // namespace

LabelPrinter::LabelPrinter(const LabelTemplate &layout, const LabelTarget &target,
                           QObject *parent)
    : QObject(parent), m_layout(layout), m_target(target)
{
    qRegisterMetaType<zomar::LabelOutcome>();
    m_drawing.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    m_drawing.setExpiryTimeout(-1); // their fonts stay loaded for the run
}

LabelPrinter::~LabelPrinter()
{
    // What is asked for is printed and recorded, and the recorder's
    // connection closes on the thread that opened it.
    if (m_thread.running())
        m_thread.run([this] {
            flush();
            m_recorder = nullptr;
            m_makeRecorder = nullptr;
        });
    m_thread.stop();
}

void LabelPrinter::recordIn(const QString &store, const QString &journal, qint64 runId)
{
    // A connection of the printer's own thread.
    setRecorder([journal, store, runId]() -> Recorder {
        QString error;
        if (!journal.isEmpty()) {
            std::shared_ptr<StationJournal> j(StationJournal::open(journal, &error).release());
            return [j, error, runId](const QList<StoreTrace::UnitLabel> &done) {
                QList<JournalOp> ops;
                for (const StoreTrace::UnitLabel &l : done)
                    ops << JournalOp::label(runId, l.first, l.second);
                return j ? j->note(ops) : error;
            };
        }
        std::shared_ptr<ProductionStore> s(
            ProductionStore::open(store, ProductionStore::Mode::Existing, &error).release());
        return [s, error](const QList<StoreTrace::UnitLabel> &done) {
            return s ? StoreTrace::recordLabels(*s, done) : error;
        };
    });
}

void LabelPrinter::warmUp()
{
    if (!m_thread.running())
        m_thread.start();
    LabelData sample;
    sample.unitId = QStringLiteral("00000000-0000-0000-0000-000000000000");
    if (m_target.kind != LabelTarget::Pdf) {
        m_thread.post([this, sample] {
            QString ignored;
            if (m_target.kind == LabelTarget::Zpl)
                LabelRender::zpl(sample, m_layout, &ignored);
            else
                LabelRender::pdf(sample, m_layout, &ignored);
        });
        return;
    }
    // Each drawing thread loads its own fonts: one sample each, at once.
    for (int i = 0; i < m_drawing.maxThreadCount(); ++i)
        m_drawing.start([sample, layout = m_layout] {
            QString ignored;
            LabelRender::pdf(sample, layout, &ignored);
        });
}

std::shared_future<LabelPrinter::Drawn> LabelPrinter::draw(const LabelData &data)
{
    auto task = std::make_shared<std::packaged_task<Drawn()>>([data, layout = m_layout] {
        Drawn d;
        d.pdf = LabelRender::pdf(data, layout, &d.error);
        return d;
    });
    std::shared_future<Drawn> drawn = task->get_future().share();
    m_drawing.start([task] { (*task)(); });
    return drawn;
}

void LabelPrinter::prepare(const LabelData &likely)
{
    if (m_target.kind == LabelTarget::Pdf && !likely.unitId.isEmpty())
        m_prepared.insert(likely.unitId, {likely, draw(likely)});
}

void LabelPrinter::print(const LabelData &data)
{
    if (!m_thread.running())
        m_thread.start();
    ++m_pending;
    std::shared_future<Drawn> drawn;
    if (m_target.kind == LabelTarget::Pdf) {
        const auto prepared = m_prepared.constFind(data.unitId);
        drawn = prepared != m_prepared.cend() && prepared->data.printsAs(data, m_layout)
                    ? prepared->drawn
                    : draw(data);
        m_prepared.remove(data.unitId);
    }
    m_thread.post([this, data, drawn] {
        LabelOutcome outcome;
        outcome.target = m_target.text();
        if (drawn.valid()) {
            const Drawn &d = drawn.get();
            outcome.reason = writePdf(data, d.pdf, d.error, m_target);
        } else {
            outcome.reason = deliver(data, m_layout, m_target);
        }
        outcome.printed = outcome.reason.isEmpty();
        outcome.at = ProductionStore::now();
        // Labels asked for together are recorded together, once the last
        // of them is done.
        m_done << StoreTrace::UnitLabel{data.unitId, outcome};
        if (m_done.size() == 1)
            m_thread.post([this] { flush(); });
    });
}

void LabelPrinter::flush()
{
    const QList<StoreTrace::UnitLabel> done = std::exchange(m_done, {});
    if (done.isEmpty())
        return;
    if (!m_recorder && m_makeRecorder)
        m_recorder = m_makeRecorder();
    const QString recordError = m_recorder ? m_recorder(done) : QString();
    QMetaObject::invokeMethod(
        this,
        [this, done, recordError] {
            for (const StoreTrace::UnitLabel &l : done) {
                --m_pending;
                emit finished(l.first, l.second, recordError);
            }
        },
        Qt::QueuedConnection);
}

QString LabelPrinter::writePdf(const LabelData &data, const QByteArray &pdf, const QString &error,
                               const LabelTarget &target)
{
    if (const QString problem = target.problem(); !problem.isEmpty())
        return problem;
    if (pdf.isEmpty())
        return error;
    const WriteFailure failure = writeFileAtomically(target.pdfPath(data.unitId, data.local), pdf);
    return failure.failed() ? failure.text() : QString();
}

QString LabelPrinter::deliver(const LabelData &data, const LabelTemplate &layout,
                              const LabelTarget &target)
{
    QString error;
    switch (target.kind) {
    case LabelTarget::Pdf: {
        const QByteArray pdf = LabelRender::pdf(data, layout, &error);
        return writePdf(data, pdf, error, target);
    }
    case LabelTarget::Zpl: {
        const QByteArray zpl = LabelRender::zpl(data, layout, &error);
        return zpl.isEmpty() ? error : sendZpl(zpl, target);
    }
    case LabelTarget::Printer:
        return printOn(data, layout, target);
    }
    return {};
}

} // namespace zomar
