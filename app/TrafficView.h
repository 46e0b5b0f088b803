#pragma once
// A read-only traffic box. Its text is kept as a string and the widget is
// repainted at most once a frame, so a flood of received bytes costs a string
// append per byte rather than a relayout of the whole box.

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

private:
    void scheduleRender();
    void render();

    QString m_text;
    QTimer m_render;
};

} // namespace zomar
