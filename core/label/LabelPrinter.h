#pragma once
// Labels printed beside the line: each is drawn and sent on a thread of its
// own, in the order asked, so that a slow or absent printer never holds up
// the next module. What became of each label is kept (by the recorder, on
// that thread) and told on the owner's thread; a printer that fails never
// changes a unit's outcome.

#include "core/store/JoinedThread.h"
#include "core/store/StoreTrace.h"
#include "core/label/LabelData.h"
#include "core/label/LabelTarget.h"
#include "core/label/LabelTemplate.h"

#include <QObject>
#include <QThreadPool>

#include <QHash>

#include <atomic>
#include <future>
#include <functional>

namespace zomar {

class LabelPrinter : public QObject
{
    Q_OBJECT
public:
    // How long a label printer may take to take a connection and to answer
    // its status after a label.
    static constexpr int kConnectTimeoutMs = 3000;
    static constexpr int kAnswerTimeoutMs = 5000;

    LabelPrinter(const LabelTemplate &layout, const LabelTarget &target,
                 QObject *parent = nullptr);
    ~LabelPrinter() override; // labels asked for are printed first

    // Keeps labels' outcomes in the record: made on the printer's thread (a
    // connection of its own) and called there, with the outcomes of the
    // labels done since it was last called; "" once kept, else why not.
    using Recorder = std::function<QString(const QList<StoreTrace::UnitLabel> &outcomes)>;
    void setRecorder(std::function<Recorder()> make) { m_makeRecorder = std::move(make); }
    // The recorder of a run's labels: in the store file, or on a server
    // through the station's journal (journal not "") after the unit's rows.
    void recordIn(const QString &store, const QString &journal, qint64 runId);

    const LabelTarget &target() const { return m_target; }
    // Starts the printer's thread and draws a label nobody gets there, so
    // that the fonts are loaded while the first modules are programmed.
    void warmUp();
    // A module's block goes out: its label is drawn now, as it will be if
    // the module passes as written, so that print() finds it drawn (a
    // tray's modules pass together, and a PDF takes milliseconds of CPU).
    // Only for PDFs; nothing is written before print().
    void prepare(const LabelData &likely);
    // The unit will not get the label prepared for it (it failed).
    void forget(const QString &unitId) { m_prepared.remove(unitId); }
    // Asks for a label; returns at once. A label prepared for the unit is
    // used when it prints the same, else it is drawn again.
    void print(const LabelData &data);
    // Labels asked for and not yet told.
    int pending() const { return m_pending; }

    // Draws and sends one label where the target says, on the calling
    // thread; "" once the printer took it, else why not.
    static QString deliver(const LabelData &data, const LabelTemplate &layout,
                           const LabelTarget &target);
    // Writes a PDF drawn already (error: why it could not be) to its folder.
    static QString writePdf(const LabelData &data, const QByteArray &pdf, const QString &error,
                            const LabelTarget &target);

signals:
    // On the owner's thread, in the order asked. recordError: the outcome
    // could not be kept ("" when it was).
    void finished(const QString &unitId, const zomar::LabelOutcome &outcome,
                  const QString &recordError);

private:
    struct Drawn {
        QByteArray pdf;
        QString error;
    };
    struct Prepared {
        LabelData data;
        std::shared_future<Drawn> drawn;
    };
    std::shared_future<Drawn> draw(const LabelData &data);
    LabelTemplate m_layout;
    LabelTarget m_target;
    std::function<Recorder()> m_makeRecorder;
    // The printer thread's: the recorder, and outcomes waiting for it.
    void flush();
    Recorder m_recorder;
    QList<StoreTrace::UnitLabel> m_done;
    std::atomic<int> m_pending{0};
    QHash<QString, Prepared> m_prepared; // by unit id
    // PDFs are drawn side by side (a tray's units pass together, and each
    // takes milliseconds of CPU); they are written and told in order on
    // m_thread, which goes first when the printer is destroyed.
    QThreadPool m_drawing;
    JoinedThread m_thread{QStringLiteral("LabelPrinter")};
};

} // namespace zomar

Q_DECLARE_METATYPE(zomar::LabelOutcome)
