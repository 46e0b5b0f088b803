#pragma once
// "Set": writes the fields of the modem page to the module in command mode,
// then reads the configuration back so the page shows what the module holds.

#include "core/protocol/PageCodec.h"

#include <QObject>

namespace zomar {

struct FormContext;
struct Form1Controls;
class RefreshOperation;

class SetOperation : public QObject
{
    Q_OBJECT
public:
    SetOperation(FormContext &ctx, RefreshOperation &refresh, QObject *parent = nullptr);

    // Click of "Set". Waits for a read or write under way, then runs.
    void set();
    // The write itself, at once: the factory reset runs it in its own turn.
    void runSet();
    // Validates the fields in block order and writes the packet in one write.
    // A refused field shows its message box and nothing is written. On a port
    // that was open when the Set began and has closed since (the device was
    // pulled), it says nothing more: the loss has been reported.
    void sendConfigPacket(bool portWasOpen = false);

    // The message box a refusal shows: its text and title (empty: the
    // application's title).
    struct RefusalMessage {
        QString text;
        QString title;
    };
    static RefusalMessage refusalMessage(Refusal refusal);
    // The texts of the page that make up the block, as Set reads them.
    static FieldTexts pageFieldTexts(const Form1Controls &ui);

private:
    FormContext &m_ctx;
    RefreshOperation &m_refresh;
};

} // namespace zomar
