#include "gui/station/PinPrompt.h"

#include "core/stationsetup/StationPin.h"
#include "gui/station/StationTitle.h"
#include "gui/widgets/TextFit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zomar {

PinPrompt::PinPrompt(Mode mode, const QString &text, QWidget *parent)
    : QDialog(parent), m_mode(mode), m_pin(new QLineEdit(this)), m_problem(new QLabel(this))
{
    setWindowTitle(stationTitle());
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(text, this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto *form = new QFormLayout;
    m_pin->setEchoMode(QLineEdit::Password);
    m_pin->setObjectName(QStringLiteral("pin"));
    form->addRow(mode == Ask ? tr("&PIN:") : tr("New &PIN:"), m_pin);
    if (mode == NewPin) {
        m_again = new QLineEdit(this);
        m_again->setEchoMode(QLineEdit::Password);
        m_again->setObjectName(QStringLiteral("pinAgain"));
        form->addRow(tr("&Again:"), m_again);
    }
    layout->addLayout(form);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    layout->addWidget(m_problem);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PinPrompt::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PinPrompt::reject);
    layout->addWidget(buttons);
    growWithTexts(this);
    m_pin->setFocus();
}

QString PinPrompt::pin() const
{
    return m_pin->text();
}

void PinPrompt::accept()
{
    if (m_mode == NewPin) {
        QString problem = StationPin::problem(m_pin->text());
        if (problem.isEmpty() && m_pin->text() != m_again->text())
            problem = tr("the two PINs differ");
        if (!problem.isEmpty()) {
            m_problem->setText(tr("Not set: %1.").arg(problem));
            m_problem->show();
            m_pin->selectAll();
            m_pin->setFocus();
            return;
        }
    }
    QDialog::accept();
}

std::optional<QString> PinPrompt::ask(QWidget *parent, const QString &text)
{
    PinPrompt prompt(Ask, text, parent);
    if (prompt.exec() != QDialog::Accepted)
        return std::nullopt;
    return prompt.pin();
}

std::optional<QString> PinPrompt::askNew(QWidget *parent)
{
    PinPrompt prompt(NewPin,
                     tr("The PIN guards the setup: the profile, the addresses, the "
                                    "record and the slots. Give it to the engineers only."),
                     parent);
    if (prompt.exec() != QDialog::Accepted)
        return std::nullopt;
    return prompt.pin();
}

} // namespace zomar
