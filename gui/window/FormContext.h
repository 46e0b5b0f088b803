#pragma once
// What the behaviours of the window share: its controls, its state, the
// serial link, its timers, the message-box seam and the busy pointer.

#include "gui/window/BusyPointer.h"
#include "gui/window/Form1Controls.h"
#include "gui/window/FormState.h"
#include "gui/window/MessagePrompter.h"
#include "gui/widgets/TextFit.h"

namespace zomar {

class SerialLink;
class IntervalTimer;
class OperationQueue;

struct FormContext {
    Form1Controls &ui;
    FormState &state;
    SerialLink &comm;
    MessagePrompter &messages;
    BusyPointer &pointer;
    IntervalTimer &timer1;    // quiet-line timer
    IntervalTimer &timer2;    // continuous send
    IntervalTimer &loopTimer; // loopback delay
    OperationQueue &operations; // reads and writes take turns on the port

    void setStatus(const QString &text) { ui.StatusPanel1->setText(text); }
    QString status() const { return ui.StatusPanel1->text(); }
};

} // namespace zomar
