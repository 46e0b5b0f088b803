#include "gui/script/MacroDialog.h"

#include "gui/widgets/Contrast.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zomar {

MacroDialog::MacroDialog(const Macro &macro, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MacroDialog"));
    setWindowTitle(macro.name.isEmpty() ? tr("New Macro") : tr("Edit Macro"));
    m_name = new QLineEdit(macro.name, this);
    m_name->setObjectName(QStringLiteral("MacroName"));
    m_steps = new QPlainTextEdit(this);
    m_steps->setObjectName(QStringLiteral("MacroSteps"));
    m_steps->setPlainText(macro.steps.isEmpty() ? QStringLiteral("send +++\nwait 300\nsend ---")
                                                : macro.steps);
    m_steps->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *help = new QLabel(
        tr("One step a line: \"send BYTES\", \"wait MS\", \"expect BYTES MS\"; bytes as the "
           "Send line takes them (41 42 0d, AT\\r\\n)."),
        this);
    help->setWordWrap(true);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("MacroProblem"));
    m_problem->setWordWrap(true);
    QPalette palette = m_problem->palette();
    palette.setColor(QPalette::WindowText,
                     readableOn(QColor(0xB0, 0x00, 0x00), palette.color(QPalette::Window)));
    m_problem->setPalette(palette);

    auto *form = new QFormLayout;
    auto *nameLabel = new QLabel(tr("&Name:"), this);
    nameLabel->setBuddy(m_name);
    auto *stepsLabel = new QLabel(tr("&Steps:"), this);
    stepsLabel->setBuddy(m_steps);
    form->addRow(nameLabel, m_name);
    form->addRow(stepsLabel, m_steps);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &MacroDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MacroDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(help);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    resize(480, 320);
}

Macro MacroDialog::macro() const
{
    return Macro{m_name->text().trimmed(), m_steps->toPlainText()};
}

void MacroDialog::accept()
{
    const Macro m = macro();
    if (m.name.isEmpty()) {
        m_problem->setText(tr("Give the macro a name: it is the button's text."));
        m_name->setFocus();
        return;
    }
    const Parsed<QString> script = macroScript(m);
    if (!script) {
        m_problem->setText(script.problem);
        m_steps->setFocus();
        return;
    }
    QDialog::accept();
}

std::optional<Macro> MacroDialog::edit(const Macro &macro, QWidget *parent)
{
    MacroDialog dialog(macro, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.macro();
}

} // namespace zomar
