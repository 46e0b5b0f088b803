#pragma once
// A read-only traffic box. Its text is kept as a string and the widget shows
// it at most ten times a second, so a flood of received bytes costs a
// string append per byte rather than a relayout of the whole box, and a steady
// stream costs little CPU. A box on a page that is not shown is brought up to
// date only when it is shown again.

#include <QPlainTextEdit>
#include <QTimer>

namespace zomar {

class TrafficView : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TrafficView(QWidget *parent = nullptr);

    const QString &text() const { return m_text; }
    // Both raise changed() when the text differs.
    void setText(const QString &text);
    void appendText(const QString &text);
    void appendChar(QChar ch);

signals:
    void changed();
    void gotFocus();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void scheduleRender();
    void render();

    QString m_text;
    QTimer m_render;
    bool m_stale = false; // the text changed while the box was not shown
};

} // namespace zomar
