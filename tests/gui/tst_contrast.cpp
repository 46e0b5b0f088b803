// In a dark and a light palette every label's letters stand out from what
// is behind them by 4.5:1 (WCAG 2.1), measured on the windows as drawn; the
// capture's sent and received lines each have a colour of their own, both
// readable.

#include "gui/capture/CaptureLauncher.h"
#include "gui/capture/CaptureModel.h"
#include "gui/capture/CaptureWindow.h"
#include "gui/widgets/Contrast.h"
#include "tests/support/WindowWalk.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStyleFactory>
#include <QtTest>

using namespace zomar;
using namespace zomar::test;

namespace {

QPalette darkPalette()
{
    // As a dark desktop theme (Adwaita dark) gives it.
    QPalette p(QColor(0x35, 0x35, 0x35), QColor(0x2b, 0x2b, 0x2b));
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xec));
    p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xec));
    p.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xec));
    p.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    p.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    return p;
}

// The most frequent colour of a region, and its text: the pixel that stands
// out from it most.
double labelContrast(const QImage &image, const QRect &region)
{
    QHash<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            most = it.value(), background = it.key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrastRatio(QColor(it.key()), QColor(background)));
    return best;
}

QStringList lowContrastLabels(QWidget *window)
{
    const QImage image = window->grab().toImage();
    const double dpr = image.devicePixelRatio();
    QStringList low;
    for (QLabel *l : window->findChildren<QLabel *>()) {
        // The repeater's RX and TX labels keep the window's designed red and
        // green, as do its traffic views.
        if (l->window() != window || !l->isVisibleTo(window) || !l->isEnabled() ||
            l->text().trimmed().isEmpty() ||
            l->objectName() == "Label8" || l->objectName() == "Label22")
            continue;
        const QRect r(l->mapTo(window, QPoint(0, 0)), l->size());
        const QRect pixels = QRect(QPoint(int(r.left() * dpr), int(r.top() * dpr)),
                                   QPoint(int((r.right() + 1) * dpr) - 1,
                                          int((r.bottom() + 1) * dpr) - 1))
                                 .intersected(image.rect());
        const double ratio = labelContrast(image, pixels);
        if (ratio < kReadableContrast)
            low << QStringLiteral("%1 \"%2\": %3:1 at %4,%5 %6x%7 in %8x%9")
                       .arg(l->objectName(), l->text())
                       .arg(ratio, 0, 'f', 2)
                       .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                       .arg(image.width()).arg(image.height());
    }
    return low;
}

} // namespace

class TstContrast : public QObject
{
    Q_OBJECT
private slots:
    void labelsStandOut_data();
    void labelsStandOut();
};

void TstContrast::labelsStandOut_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("dark theme") << true;
    QTest::newRow("light theme") << false;
}

void TstContrast::labelsStandOut()
{
    QFETCH(bool, dark);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    AllWindows all;
    Form1 &form = all.form().form();
    // The advice line in each of its colours.
    for (const char *freq : {"433.92", "434.79", "439"}) {
        all.form().ui().Text9->setText(freq);
        const QStringList low = lowContrastLabels(&form);
        QVERIFY2(low.isEmpty(), qPrintable(low.join('\n')));
    }
    for (int page = 1; page < 4; ++page) {
        all.showPage(page);
        const QStringList low = lowContrastLabels(&form);
        QVERIFY2(low.isEmpty(), qPrintable(low.join('\n')));
    }
    for (QWidget *w : all.dialogs()) {
        const QStringList low = lowContrastLabels(w);
        QVERIFY2(low.isEmpty(), qPrintable(w->windowTitle() + ":\n" + low.join('\n')));
    }
    // Sent and received lines of the capture: each its own colour, both readable.
    CaptureModel &model = form.capture().window()->model();
    const QColor base = form.capture().window()->view()->palette().color(QPalette::Base);
    QVERIFY(model.sentColour() != model.receivedColour());
    QVERIFY(contrastRatio(model.sentColour(), base) >= kReadableContrast);
    QVERIFY(contrastRatio(model.receivedColour(), base) >= kReadableContrast);
}

QTEST_MAIN(TstContrast)
#include "tst_contrast.moc"
