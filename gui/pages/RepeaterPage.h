#pragma once
// The repeater: with loopback on, the last received character is echoed back
// once the line has been quiet for the set delay.

#include <QObject>

namespace zomar {

struct FormContext;

class RepeaterPage : public QObject
{
    Q_OBJECT
public:
    explicit RepeaterPage(FormContext &ctx, QObject *parent = nullptr);

    void loopbackClicked(); // "Loopback On"/"Loopback Off"
    void onLoopTimer();     // the delay ran out: echo
    void clearClicked();    // "Clear"

    static constexpr int kLimit = 200;
    // The toggle's two captions, translated as the window's design texts.
    static QString loopOnText();
    static QString loopOffText();

private:
    FormContext &m_ctx;
};

} // namespace zomar
