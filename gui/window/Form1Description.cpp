#include "gui/window/Form1Description.h"

#include "gui/widgets/DisabledReason.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/widgets/TrafficView.h"
#include "gui/widgets/TypingBox.h"
#include "gui/window/Form1Controls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include <utility>

namespace zomar {

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("Form1", text);
}

// Names a screen reader speaks for the fields, which have no label of their
// own beside them (the labels name rows).
void nameFields(Form1Controls &c)
{
    const auto bytes = [](const QString &row, const std::array<QLineEdit *, 4> &boxes) {
        for (int i = 0; i < 4; ++i)
            boxes[size_t(i)]->setAccessibleName(
                translated(QT_TRANSLATE_NOOP("Form1", "%1, byte %2")).arg(row).arg(i + 1));
    };
    bytes(c.Label1->text(), {c.Text1, c.Text2, c.Text3, c.Text4});
    bytes(c.Label2->text(), {c.Text5, c.Text6, c.Text7, c.Text8});
    const std::pair<QWidget *, QLabel *> rows[] = {
        {c.Combo6, c.Label30}, {c.Text9, c.Label3},  {c.Text10, c.Label4}, {c.Combo5, c.Label28},
        {c.Combo1, c.Label11}, {c.Combo2, c.Label15}, {c.Text24, c.Label17}, {c.Text23, c.Label26}};
    for (const auto &[field, label] : rows) {
        field->setAccessibleName(label->text());
        // On Linux a drop-down's name is its text: a screen reader finds its
        // row's label through the label's buddy (no mnemonic: no "&").
        label->setBuddy(field);
        if (auto *box = qobject_cast<QComboBox *>(field))
            box->lineEdit()->setAccessibleName(label->text());
    }
    for (QLineEdit *box : c.addressBoxes())
        box->setAccessibleDescription(c.Label13->text());
    c.Text9->setAccessibleDescription(c.Label7->text());
    c.Text24->setAccessibleDescription(translated(QT_TRANSLATE_NOOP("Form1", "milliseconds")));
    c.Text23->setAccessibleDescription(c.Text24->accessibleDescription());
    c.Text13->setAccessibleName(translated(QT_TRANSLATE_NOOP("Form1", "Received characters")));
    c.Text14->setAccessibleName(translated(QT_TRANSLATE_NOOP("Form1", "Characters to send")));
    c.Text21->setAccessibleName(translated(QT_TRANSLATE_NOOP("Form1", "Echoed characters")));
    c.Text22->setAccessibleName(c.Text13->accessibleName());
    c.TabStrip1->setAccessibleName(translated(QT_TRANSLATE_NOOP("Form1", "Pages")));
}

// The buttons that start disabled say what enables them.
void explainDisabled(Form1Controls &c)
{
    const QString read =
        translated(QT_TRANSLATE_NOOP("Form1", "Read the module first: Connect, or Refresh."));
    const QString connect = translated(QT_TRANSLATE_NOOP("Form1", "Connect to a port first."));
    for (QWidget *button : {c.Command2, c.Command6})
        DisabledReason::explain(button, read);
    for (QWidget *button : {c.Command3, c.Command5, c.Command13})
        DisabledReason::explain(button, connect);
}

} // namespace

void describeForScreenReaders(Form1Controls &c)
{
    nameFields(c);
    explainDisabled(c);
}

} // namespace zomar
