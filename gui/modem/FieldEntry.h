#pragma once
// How entries on the modem page are taken in: the address boxes select their
// content on focus and take two characters; a change of band re-reads the
// configuration; the terminal's receive box hands the focus to the typing box.

#include <QObject>

namespace zomar {

struct FormContext;
class RefreshOperation;

class FieldEntry : public QObject
{
    Q_OBJECT
public:
    FieldEntry(FormContext &ctx, RefreshOperation &refresh, QObject *parent = nullptr);

    // Writes the band text from the program; a different text re-reads, as typing does.
    void setBand(const QString &band);
    // The one program write of the band that does not re-read.
    void setBandWithoutRefresh(const QString &band);

    static constexpr int kAddressLength = 2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addressGotFocus(int box);
    void bandChanged();

    FormContext &m_ctx;
    RefreshOperation &m_refresh;
};

} // namespace zomar
