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

    // Click of "Refresh"; also run directly by connect, Set and a band change.
    void refresh();
    // Tick of the quiet-line timer: decodes a pending block, ends the burst.
    void onQuietLine();

    static inline const QString kPlaceholder = QStringLiteral("??");
    static inline const QString kNoResponse =
        QStringLiteral("No Response from Modem. Check Comms Port & Baud rate");

    void fillPlaceholders();

private:
    void decodePending();

    FormContext &m_ctx;
};

} // namespace zomar
