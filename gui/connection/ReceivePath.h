#pragma once
// Every received byte: stored for the configuration decoder, shown on both
// test pages, armed for the repeater's delayed echo, and counted as line
// activity by the quiet-line timer.

#include <QObject>

#include <optional>

namespace zomar {

struct FormContext;

class ReceivePath : public QObject
{
    Q_OBJECT
public:
    explicit ReceivePath(FormContext &ctx, QObject *parent = nullptr);

    // The serial link's receive event: reads and handles one byte.
    void onComm();

private:
    void readLoopDelay();

    FormContext &m_ctx;
    int m_loopDelayMs = 100; // last whole-number delay text
};

} // namespace zomar
