#include "gui/widgets/DropDownBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace zomar {

DropDownBox::DropDownBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    // No inline completion (it would rewrite typed text) and no new items from Enter.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    // A pick changes the edit text first and then activates: reporting only
    // the activation keeps a pick to one notification.
    connect(this, QOverload<int>::of(&QComboBox::activated), this, &DropDownBox::picked);
    // QComboBox takes the end of editing as a pick of the item that matches
    // the text. Editing ends whenever the text loses the focus, and opening
    // the list takes it: the band list read the module, and the speed list
    // reconnected, on merely being opened. Only choosing an item (from the
    // list, by the arrow keys or the wheel) is a pick.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (!m_quiet)
            emit changed();
    });
    // Typed, written by the program, or picked: the current item follows.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { followText(); });
}

void DropDownBox::followText()
{
    if (m_following)
        return;
    const int match = findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (match == currentIndex())
        return;
    // Changing the current item rewrites the text (to the same text, or to
    // nothing for no item): put back what the operator sees and where the
    // cursor is, with no notification of a text that never showed.
    QLineEdit *edit = lineEdit();
    const QString kept = edit->text();
    const int cursor = edit->cursorPosition();
    const int selStart = edit->selectionStart();
    const int selLength = static_cast<int>(edit->selectedText().size());
    const QSignalBlocker boxQuiet(this);
    const QSignalBlocker editQuiet(edit);
    m_following = true;
    setCurrentIndex(match);
    if (edit->text() != kept)
        edit->setText(kept);
    if (selStart >= 0)
        edit->setSelection(selStart, selLength);
    else
        edit->setCursorPosition(cursor);
    m_following = false;
}

void DropDownBox::setText(const QString &text)
{
    if (text == currentText())
        return;
    setTextQuietly(text);
    emit changed();
}

void DropDownBox::setTextQuietly(const QString &text)
{
    m_quiet = true;
    setEditText(text);
    m_quiet = false;
}

void DropDownBox::appendItem(const QString &item)
{
    const QString kept = currentText();
    m_quiet = true;
    addItem(item);
    // Adding the first item makes it current; the text stays as it was.
    if (currentText() != kept)
        setEditText(kept);
    m_quiet = false;
    followText();
}

void DropDownBox::clearItems()
{
    const QString kept = currentText();
    m_quiet = true;
    clear();
    setEditText(kept);
    m_quiet = false;
    followText();
}

void DropDownBox::setItemToolTip(int index, const QString &tip)
{
    // Changing an item's data re-syncs the edit text to the selected item.
    const QString kept = currentText();
    m_quiet = true;
    setItemData(index, tip, Qt::ToolTipRole);
    if (currentText() != kept)
        setEditText(kept);
    m_quiet = false;
    followText();
}

void DropDownBox::showPopup()
{
    emit aboutToShowPopup();
    QComboBox::showPopup();
}

void DropDownBox::keyPressEvent(QKeyEvent *event)
{
    // Enter in the text makes QComboBox select a matching item and activate
    // it, which would look like a pick; only choosing from the list is one.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !view()->isVisible()) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace zomar
