#pragma once
// Asks for the station's PIN, or for a new one (typed twice). Modal dialogs
// of their own: the PIN is never shown as typed.

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

namespace zomar {

class PinPrompt : public QDialog
{
    Q_OBJECT
public:
    enum Mode { Ask, NewPin };
    PinPrompt(Mode mode, const QString &text, QWidget *parent = nullptr);

    QString pin() const;

    // The PIN typed, or nullopt when cancelled.
    static std::optional<QString> ask(QWidget *parent, const QString &text);
    static std::optional<QString> askNew(QWidget *parent);

    void accept() override;

private:
    Mode m_mode;
    QLineEdit *m_pin;
    QLineEdit *m_again = nullptr;
    QLabel *m_problem;
};

} // namespace zomar
