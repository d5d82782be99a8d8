#include "platform/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QThread>

namespace {

bool HasGuiThread() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app != nullptr && QThread::currentThread() == app->thread();
}

} // namespace

TBusyCursor::TBusyCursor() {
    if (HasGuiThread()) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_shown = true;
    }
}

TBusyCursor::~TBusyCursor() {
    if (m_shown && HasGuiThread())
        QGuiApplication::restoreOverrideCursor();
}
