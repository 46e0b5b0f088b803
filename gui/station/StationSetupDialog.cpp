#include "gui/station/StationSetupDialog.h"

#include "core/store/ProductionStore.h"
#include "core/profiles/Profile.h"
#include "core/protocol/BandPlan.h"
#include "core/protocol/FieldValues.h"
#include "core/settings/InterfaceLanguage.h"
#include "gui/station/PinPrompt.h"
#include "gui/station/ProfileSummary.h"
#include "gui/station/SlotTeacher.h"
#include "gui/station/StationTitle.h"
#include "gui/station/TraceSetupBox.h"
#include "gui/widgets/Contrast.h"
#include "gui/widgets/TextFit.h"
#include "gui/window/FilePrompter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zomar {

namespace {

QPushButton *button(const QString &text, QWidget *parent, const QString &name)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QWidget *withButton(QWidget *field, QPushButton *b, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field, 1);
    layout->addWidget(b);
    return row;
}

} // namespace

StationSetupDialog::StationSetupDialog(const StationSetup &setup, const QString &stationFile,
                                       FilePrompter &files, QWidget *parent)
    : QDialog(parent), m_base(setup), m_stationFile(stationFile), m_files(files), m_pin(setup.pin),
      m_station(new QLineEdit(setup.station, this)), m_profile(new QLineEdit(setup.profile, this)),
      m_profileNote(new QLabel(this)),
      m_from(new QLineEdit(setup.localFrom ? addressHex(*setup.localFrom) : QString(), this)),
      m_step(new QSpinBox(this)), m_store(new QLineEdit(setup.store, this)),
      m_baud(new QComboBox(this)), m_region(new QComboBox(this)), m_language(new QComboBox(this)),
      m_folder(new QLineEdit(setup.slotFolder, this)), m_slots(new QTableWidget(0, 2, this)),
      m_trace(new TraceSetupBox(setup, stationFile, files, this)),
      m_pinNote(new QLabel(this)), m_problem(new QLabel(this))
{
    setWindowTitle(tr("Station setup - %1").arg(stationTitle()));
    setUpFields(setup);
    layOut(makeButtons());
    fillSlots(setup.slotList);
    updateProfileNote();
    updatePinNote();
    resize(fontMetrics().height() * 44, fontMetrics().height() * 36);
    growWithTexts(this);
}

// The fields' names, ranges, lists and values from the setup.
void StationSetupDialog::setUpFields(const StationSetup &setup)
{
    m_station->setObjectName(QStringLiteral("station"));
    m_station->setPlaceholderText(tr("this computer's name"));
    m_profile->setObjectName(QStringLiteral("profile"));
    m_profileNote->setObjectName(QStringLiteral("profileNote"));
    m_profileNote->setWordWrap(true);
    m_from->setObjectName(QStringLiteral("localFrom"));
    m_from->setPlaceholderText(tr("none: modules keep their own"));
    m_step->setObjectName(QStringLiteral("step"));
    m_step->setRange(1, 1 << 30);
    m_step->setValue(int(std::min<quint32>(setup.step, 1u << 30)));
    m_store->setObjectName(QStringLiteral("store"));
    m_store->setPlaceholderText(ProductionStore::defaultLocation());
    m_baud->setObjectName(QStringLiteral("baud"));
    m_baud->addItems(lineSpeedItems());
    m_baud->setCurrentText(QString::number(setup.baud));
    m_region->setObjectName(QStringLiteral("region"));
    for (const QString &region : bandPlanRegions())
        m_region->addItem(region == kNoBandPlanRegion ? tr("none")
                                                      : bandPlanRegionName(region),
                          region);
    m_region->setCurrentIndex(std::max(0, m_region->findData(setup.region)));
    m_language->setObjectName(QStringLiteral("language"));
    m_language->addItem(tr("The system's language"), QString());
    for (const InterfaceLanguage &language : interfaceLanguages())
        m_language->addItem(language.nativeName, language.code);
    m_language->setCurrentIndex(std::max(0, m_language->findData(setup.language)));
    m_language->setToolTip(tr("The station's windows are in this language from its next start, "
                              "unless a technician chooses another in the Language menu."));
    m_folder->setObjectName(QStringLiteral("slotFolder"));
    m_slots->setObjectName(QStringLiteral("slots"));
    m_slots->setHorizontalHeaderLabels({tr("Name"), tr("Socket")});
    m_slots->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_slots->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_slots->setTabKeyNavigation(false);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    QPalette problemPalette = m_problem->palette();
    problemPalette.setColor(QPalette::WindowText,
                            readableOn(QColor(0xc6, 0x28, 0x28),
                                       problemPalette.color(QPalette::Window)));
    m_problem->setPalette(problemPalette);
    QFont bold = m_problem->font();
    bold.setBold(true);
    m_problem->setFont(bold);
    m_problem->hide();
}

StationSetupDialog::Buttons StationSetupDialog::makeButtons()
{
    const Buttons b = {button(tr("&Browse..."), this, QStringLiteral("browseProfile")),
                       button(tr("B&rowse..."), this, QStringLiteral("browseStore")),
                       button(tr("&Teach slots..."), this, QStringLiteral("teach")),
                       button(tr("Remo&ve slot"), this, QStringLiteral("removeSlot")),
                       button(tr("Set P&IN..."), this, QStringLiteral("setPin")),
                       button(tr("No PIN"), this, QStringLiteral("clearPin"))};
    connect(b.browseProfile, &QPushButton::clicked, this, &StationSetupDialog::browseProfile);
    connect(b.browseStore, &QPushButton::clicked, this, &StationSetupDialog::browseStore);
    connect(b.teach, &QPushButton::clicked, this, &StationSetupDialog::teach);
    connect(b.remove, &QPushButton::clicked, this, &StationSetupDialog::removeSlot);
    connect(b.setPin, &QPushButton::clicked, this, &StationSetupDialog::setPin);
    connect(b.clearPin, &QPushButton::clicked, this, [this] {
        m_pin.reset();
        updatePinNote();
    });
    connect(m_profile, &QLineEdit::textChanged, this, &StationSetupDialog::updateProfileNote);
    connect(m_region, &QComboBox::currentIndexChanged, this,
            &StationSetupDialog::updateProfileNote);
    return b;
}

// The form, the slots with their buttons, the PIN and Save/Cancel.
void StationSetupDialog::layOut(const Buttons &b)
{
    auto *form = new QFormLayout;
    form->addRow(tr("Station &name:"), m_station);
    // A row of a field and its button: the label's mnemonic leads to the field.
    const auto fieldRow = [this, form](const QString &text, QLineEdit *field,
                                       QPushButton *browse) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        // A screen reader finds a buddy only beside its field.
        field->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        form->addRow(label, withButton(field, browse, this));
    };
    fieldRow(tr("&Profile:"), m_profile, b.browseProfile);
    form->addRow(QString(), m_profileNote);
    auto *pool = new QWidget(this);
    auto *poolRow = new QHBoxLayout(pool);
    poolRow->setContentsMargins(0, 0, 0, 0);
    poolRow->addWidget(m_from, 1);
    auto *stepLabel = new QLabel(tr("St&ep:"), pool);
    stepLabel->setBuddy(m_step);
    poolRow->addWidget(stepLabel);
    poolRow->addWidget(m_step);
    auto *fromLabel = new QLabel(tr("&First address:"), this);
    fromLabel->setBuddy(m_from);
    m_from->setAccessibleName(QString(fromLabel->text()).remove(QLatin1Char('&')));
    form->addRow(fromLabel, pool);
    fieldRow(tr("Re&cord:"), m_store, b.browseStore);
    form->addRow(tr("&Line speed:"), m_baud);
    form->addRow(tr("Band plan re&gion:"), m_region);
    form->addRow(tr("Technicians' lang&uage:"), m_language);
    form->addRow(tr("S&ocket folder:"), m_folder);
    auto *slotButtons = new QHBoxLayout;
    slotButtons->addWidget(b.teach);
    slotButtons->addWidget(b.remove);
    slotButtons->addStretch();
    auto *pinRow = new QHBoxLayout;
    pinRow->addWidget(m_pinNote, 1);
    pinRow->addWidget(b.setPin);
    pinRow->addWidget(b.clearPin);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    auto *slotsLabel =
        new QLabel(tr("&Slots (double-click or F2 on a name to rename):"), this);
    slotsLabel->setBuddy(m_slots);
    layout->addWidget(slotsLabel);
    layout->addWidget(m_slots, 1);
    layout->addLayout(slotButtons);
    layout->addWidget(m_trace);
    layout->addLayout(pinRow);
    layout->addWidget(m_problem);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    // Texts of our own: a desktop theme's (GTK's "_Save", "_Cancel") bring
    // mnemonics that would take letters of this form's. Enter saves, Escape
    // cancels.
    buttons->button(QDialogButtonBox::Save)->setText(tr("Save"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &StationSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &StationSetupDialog::reject);
    layout->addWidget(buttons);
    // Tab goes down the form, each Browse... after its field.
    const QList<QWidget *> order =
        QList<QWidget *>{m_station, m_profile, b.browseProfile, m_from, m_step, m_store,
                         b.browseStore, m_baud, m_region, m_language, m_folder, m_slots, b.teach,
                         b.remove} +
        m_trace->tabOrder() +
        QList<QWidget *>{b.setPin, b.clearPin, buttons->button(QDialogButtonBox::Save),
                         buttons->button(QDialogButtonBox::Cancel)};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    m_slots->setAccessibleName(QString(slotsLabel->text()).remove(QLatin1Char('&')));
}

void StationSetupDialog::fillSlots(const QList<StationSlot> &list)
{
    m_slots->setRowCount(int(list.size()));
    for (int i = 0; i < list.size(); ++i) {
        m_slots->setItem(i, 0, new QTableWidgetItem(list.at(i).name));
        auto *port = new QTableWidgetItem(list.at(i).port);
        port->setFlags(port->flags() & ~Qt::ItemIsEditable);
        m_slots->setItem(i, 1, port);
    }
    m_slots->resizeColumnToContents(0);
}

StationSetup StationSetupDialog::setup() const
{
    StationSetup s = m_base;
    s.station = m_station->text().trimmed();
    s.profile = m_profile->text().trimmed();
    const Parsed<quint32> from = parseAddressValue(m_from->text().trimmed());
    s.localFrom = m_from->text().trimmed().isEmpty() ? std::nullopt : from.value;
    s.step = quint32(m_step->value());
    s.store = m_store->text().trimmed();
    s.baud = m_baud->currentText().toInt();
    s.region = m_region->currentData().toString();
    s.language = m_language->currentData().toString();
    s.slotFolder = m_folder->text().trimmed();
    s.slotList.clear();
    for (int i = 0; i < m_slots->rowCount(); ++i)
        s.slotList << StationSlot{m_slots->item(i, 1)->text(),
                                  m_slots->item(i, 0)->text().trimmed()};
    s.pin = m_pin;
    m_trace->apply(s);
    return s;
}

QString StationSetupDialog::problem() const
{
    const QString from = m_from->text().trimmed();
    if (!from.isEmpty()) {
        const Parsed<quint32> address = parseAddressValue(from);
        if (!address)
            return tr("First address %1: %2").arg(from, address.problem);
    }
    const StationSetup s = setup();
    if (const QString problem = s.problem(); !problem.isEmpty())
        return problem;
    const ProfileReading reading = readProfile(stationPath(m_stationFile, s.profile));
    if (!reading.profile)
        return reading.error;
    if (s.slotList.isEmpty())
        return tr("no slot yet: Teach slots, then save");
    if (const QString problem = m_trace->problem(); !problem.isEmpty())
        return problem;
    return {};
}

void StationSetupDialog::accept()
{
    const QString problem = this->problem();
    if (!problem.isEmpty()) {
        m_problem->setText(tr("Not saved: %1").arg(problem));
        m_problem->show();
        return;
    }
    QDialog::accept();
}

void StationSetupDialog::browseProfile()
{
    FileRequest request;
    request.caption = tr("The profile every module gets");
    request.folder = QFileInfo(stationPath(m_stationFile, m_profile->text())).absolutePath();
    request.filter = tr("Profiles (*.json);;All files (*)");
    const QString chosen = m_files.choose(request);
    if (!chosen.isEmpty())
        m_profile->setText(chosen);
}

void StationSetupDialog::browseStore()
{
    const QString chosen = m_files.choose(
        FileRequest::saveAs(tr("The production record (a new file is made)"),
                            QStringLiteral("production.db"),
                            tr("Production records (*.db);;All files (*)")));
    if (!chosen.isEmpty())
        m_store->setText(chosen);
}

void StationSetupDialog::teach()
{
    SlotTeacher teacher(stationPath(m_stationFile, m_folder->text().trimmed()), setup().slotList,
                        this);
    if (teacher.exec() == QDialog::Accepted)
        fillSlots(teacher.taught());
}

void StationSetupDialog::removeSlot()
{
    const int row = m_slots->currentRow();
    if (row >= 0)
        m_slots->removeRow(row);
}

void StationSetupDialog::setPin()
{
    if (const std::optional<QString> pin = PinPrompt::askNew(this)) {
        m_pin = StationPin::make(*pin);
        updatePinNote();
    }
}

void StationSetupDialog::updateProfileNote()
{
    const QString path = m_profile->text().trimmed();
    if (path.isEmpty()) {
        m_profileNote->setText(tr("Name the profile every module gets."));
        return;
    }
    const ProfileReading reading = readProfile(stationPath(m_stationFile, path));
    if (!reading.profile) {
        m_profileNote->setText(reading.error);
        return;
    }
    const QString advice = profileAdvice(*reading.profile, m_region->currentData().toString());
    m_profileNote->setText(profileSummary(*reading.profile) +
                           (advice.isEmpty() ? QString() : QStringLiteral("\n") + advice));
}

void StationSetupDialog::updatePinNote()
{
    m_pinNote->setText(m_pin ? tr("A PIN guards this setup.")
                             : tr("No PIN: anyone at the station can change the "
                                              "setup."));
}

} // namespace zomar
