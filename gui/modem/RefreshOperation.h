#pragma once
// "Refresh": asks the module for its configuration block. The answer is
// decoded by the quiet-line timer's tick once the line has gone quiet.

#include <QObject>

namespace zomar {

struct FormContext;

class RefreshOperation : public QObject
{
    Q_OBJECT
public:
    explicit RefreshOperation(FormContext &ctx, QObject *parent = nullptr);

    // Click of "Refresh"; also asked for by connect and a band change. Waits
    // for a read or write under way, then runs.
    void refresh();
    // The read itself, at once: Set ends with it, inside the Set. After the
    // port was lost under the Set, it writes no status: the loss stays shown.
    void runRead(bool portLostBefore = false);
    // Tick of the quiet-line timer: decodes a pending block, ends the burst.
    void onQuietLine();

    static inline const QString kPlaceholder = QStringLiteral("??");
    static QString noResponseText();

    void fillPlaceholders();

private:
    void decodePending();

    FormContext &m_ctx;
};

} // namespace zomar
