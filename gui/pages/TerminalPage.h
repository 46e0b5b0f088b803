#pragma once
// The raw terminal: typed characters go out one byte each, a toggle streams
// a letter pattern at a set period, and both boxes are kept short.

#include <QObject>

namespace zomar {

struct FormContext;

class TerminalPage : public QObject
{
    Q_OBJECT
public:
    explicit TerminalPage(FormContext &ctx, QObject *parent = nullptr);

    void keyTyped(char32_t code); // typing box key press, one character
    void contSendClicked();  // "Cont Send On"/"Cont Send Off"
    void onContSendTick();   // continuous-send timer
    void clearClicked();     // "Clear"

    static constexpr int kRxLimit = 250;
    static constexpr int kTxLimit = 200;
    // The toggle's two captions, translated as the window's design texts.
    static QString sendOnText();
    static QString sendOffText();

private:
    void send(char32_t code);

    FormContext &m_ctx;
};

} // namespace zomar
