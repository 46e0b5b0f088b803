#include "gui/station/TraceSetupBox.h"

#include "core/run/SerialBinder.h"
#include "core/label/LabelTarget.h"
#include "core/label/LabelTemplate.h"
#include "gui/window/FilePrompter.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zomar {

TraceSetupBox::TraceSetupBox(const StationSetup &setup, const QString &stationFile,
                             FilePrompter &files, QWidget *parent)
    : QGroupBox(tr("Labels and product serials"), parent), m_stationFile(stationFile),
      m_files(files), m_label(new QLineEdit(setup.label, this)),
      m_template(new QLineEdit(setup.labelTemplate, this)),
      m_browse(new QPushButton(tr("Bro&wse..."), this)),
      m_pattern(new QLineEdit(setup.serialPattern, this))
{
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setPlaceholderText(tr("none; pdf:FOLDER, printer:NAME or zpl://HOST[:PORT]"));
    m_template->setObjectName(QStringLiteral("labelTemplate"));
    m_template->setPlaceholderText(tr("the default: 50 x 25 mm with a QR code"));
    m_browse->setObjectName(QStringLiteral("browseLabelTemplate"));
    static_cast<QPushButton *>(m_browse)->setAutoDefault(false);
    m_pattern->setObjectName(QStringLiteral("serialPattern"));
    m_pattern->setPlaceholderText(tr("none: no serial is scanned; e.g. SN-[0-9]{6}"));
    m_pattern->setToolTip(tr("A regular expression that a product serial matches whole. When "
                             "set, a technician scans the product's serial for each unit that "
                             "passes; its label is printed once the serial is recorded."));
    connect(static_cast<QPushButton *>(m_browse), &QPushButton::clicked, this, [this] {
        FileRequest request;
        request.caption = tr("The labels' template");
        request.folder =
            QFileInfo(stationPath(m_stationFile, m_template->text().trimmed())).absolutePath();
        request.filter = tr("Label templates (*.json);;All files (*)");
        const QString chosen = m_files.choose(request);
        if (!chosen.isEmpty())
            m_template->setText(chosen);
    });
    // Wide enough for their hints in any language.
    for (QLineEdit *field : {m_label, m_template, m_pattern})
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(field->placeholderText()) +
                               field->fontMetrics().averageCharWidth() * 3);
    auto *form = new QFormLayout(this);
    const auto row = [this, form](const QString &text, QLineEdit *field, QWidget *extra) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        field->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        if (!extra) {
            form->addRow(label, field);
            return;
        }
        auto *both = new QWidget(this);
        auto *layout = new QHBoxLayout(both);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(field, 1);
        layout->addWidget(extra);
        form->addRow(label, both);
    };
    row(tr("L&abels to:"), m_label, nullptr);
    row(tr("Label te&mplate:"), m_template, m_browse);
    row(tr("Pro&duct serial pattern:"), m_pattern, nullptr);
}

void TraceSetupBox::apply(StationSetup &setup) const
{
    setup.label = m_label->text().trimmed();
    setup.labelTemplate = m_template->text().trimmed();
    setup.serialPattern = m_pattern->text().trimmed();
}

QString TraceSetupBox::problem() const
{
    QString error;
    const QString label = m_label->text().trimmed();
    const QString layout = m_template->text().trimmed();
    if (!label.isEmpty() && !LabelTarget::parse(label, &error))
        return tr("Labels to: %1").arg(error);
    if (!layout.isEmpty()) {
        if (label.isEmpty())
            return tr("Label template: say where the labels go too");
        if (!LabelTemplate::read(stationPath(m_stationFile, layout), &error))
            return error;
    }
    const QString pattern = m_pattern->text().trimmed();
    if (!pattern.isEmpty() && !serialPattern(pattern, &error))
        return tr("Product serial pattern: %1").arg(error);
    return {};
}

QList<QWidget *> TraceSetupBox::tabOrder() const
{
    return {m_label, m_template, m_browse, m_pattern};
}

} // namespace zomar
