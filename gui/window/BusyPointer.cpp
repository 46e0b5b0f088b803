#include "gui/window/BusyPointer.h"

#include <QApplication>
#include <QCursor>

namespace zomar {

void BusyPointer::set(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QApplication::restoreOverrideCursor();
}

} // namespace zomar
