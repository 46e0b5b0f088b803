#pragma once
// Makes or edits a macro: its name and its steps, one a line; a step that
// cannot be read is named before the dialog closes.

#include "core/script/Macro.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zomar {

class MacroDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MacroDialog(const Macro &macro, QWidget *parent = nullptr);
    // The macro as edited, or nullopt when cancelled.
    static std::optional<Macro> edit(const Macro &macro, QWidget *parent);
    Macro macro() const;
    void accept() override;

private:
    QLineEdit *m_name;
    QPlainTextEdit *m_steps;
    QLabel *m_problem;
};

} // namespace zomar
