#pragma once

// How a QC verdict looks wherever it is shown: a round mark (a tick on green for pass,
// a cross on red for fail, a question mark on amber for incomplete) and a file icon
// with that mark in its lower right corner. No mark for the verdict None.

#include "qc/Qc.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>

QColor QcVerdictColour(TQcVerdict verdict);
// The mark alone, size × size pixels; a null pixmap for None.
QPixmap QcVerdictMark(TQcVerdict verdict, int size);
// base with the mark over its lower right corner, at every size base offers; base
// itself for None.
QIcon QcMarkedIcon(const QIcon& base, TQcVerdict verdict);
