#pragma once
// A note at the foot of the modem page: where the channel in the
// frequency box lies in the licence-free spectrum (the sub-band and its
// limits, the signal's width from the RF speed box and its e.r.p. from the
// TX power box with a 0 dBi antenna), or that it needs a licence. Advice
// only: Set and its checks do not look at it. It follows the frequency,
// band, TX power and RF speed boxes, whether a decode or the operator
// changed them. Its context menu picks the region (or none),
// kept in the settings.

#include <QObject>

namespace zomar {

class FittedLabel;

struct FormContext;
class AppSettings;

class BandAdviceLine : public QObject
{
    Q_OBJECT
public:
    BandAdviceLine(FormContext &ctx, AppSettings &settings, QObject *parent = nullptr);

    FittedLabel *label() const { return m_label; }
    QString region() const { return m_region; }
    void setRegion(const QString &region);
    // The advice as shown, and in full: the line and each sub-band with its
    // source.
    QString line() const { return m_line; }
    QString details() const { return m_details; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void update();

    FormContext &m_ctx;
    AppSettings &m_settings;
    FittedLabel *m_label;
    QString m_region;
    QString m_line;
    QString m_details;
};

} // namespace zomar
