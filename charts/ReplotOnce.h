#pragma once

// A chart's replot at the next turn of the event loop, left out when the chart was
// replotted meanwhile: QCustomPlot's own queued replot draws again even then, and a run
// changes a chart of many thousand points at every reading.

#include <QObject>

class QCustomPlot;

class TReplotOnce : public QObject {
public:
    // Belongs to plot.
    explicit TReplotOnce(QCustomPlot& plot);

    // Replots at the next turn of the event loop unless a replot comes first; several
    // requests before then replot once.
    void Request();

private:
    QCustomPlot& m_plot;
    bool m_due = false;
};
