#include "charts/ReplotOnce.h"

#include <qcustomplot.h>

#include <QTimer>

TReplotOnce::TReplotOnce(QCustomPlot& plot) : QObject(&plot), m_plot(plot) {
    connect(&plot, &QCustomPlot::afterReplot, this, [this] { m_due = false; });
}

void TReplotOnce::Request() {
    if (m_due)
        return;
    m_due = true;
    QTimer::singleShot(0, this, [this] {
        if (m_due)
            m_plot.replot();
    });
}
