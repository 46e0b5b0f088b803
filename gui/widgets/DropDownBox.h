#pragma once
// An editable drop-down box with the notifications the window relies on:
// picked() when the operator picks an item (once per pick), changed() when
// the text changes by typing or by setText() to a different text. Filling
// the list never changes the text. Whenever the text equals an item, that
// item is the list's current one, so opening the list highlights it and the
// arrow keys and the wheel move on from it.

#include <QComboBox>

namespace zomar {

class DropDownBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DropDownBox(QWidget *parent = nullptr);

    QString text() const { return currentText(); }
    // Raises changed() when the text differs, as typing does.
    void setText(const QString &text);
    // Writes the text without raising changed().
    void setTextQuietly(const QString &text);
    void appendItem(const QString &item);
    void clearItems();
    void setItemToolTip(int index, const QString &tip);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

signals:
    void picked();
    void changed();
    void aboutToShowPopup();

private:
    // Makes the item that equals the text current (none when no item does),
    // leaving the text, the cursor and the selection as they are.
    void followText();

    bool m_quiet = false;
    bool m_following = false;
};

} // namespace zomar
