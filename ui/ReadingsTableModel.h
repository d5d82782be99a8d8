#pragma once

// The rows of the measurements tab: one per reading of a batch, cell texts made only for
// the rows the table shows, so a batch of 100 000 readings lists, selects and scrolls as
// fast as one of ten.
//
// Readings below a tenth of full scale were taken at low torque, where a rotational
// viscometer is unreliable: their rows are muted and say why in a tooltip, their texts
// stay as they are.

#include "analysis/Analysis.h"
#include "documents/BatchItem.h"

#include <QAbstractTableModel>

class TReadingsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TReadingsTableModel(QObject* parent = nullptr);

    // Shows readings, which stay where they are (not copied) until the next
    // SetReadings; model and spindle judge the scale.
    void SetReadings(const TMeasurementList& readings, int model, int spindle);
    // count readings were appended to the list shown: rows are added for them.
    void AppendRows(int count);
    // Six columns, or eight with shear stress and rate; captions in the current units.
    void SetColumns(bool shear);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const TMeasurementItem& Reading(int row) const { return *m_readings->Items(row); }
    bool OverScale(int row) const;
    // Not over scale and below 10 % of full scale.
    bool LowTorque(int row) const;
    static QString LowTorqueHint();

    // The least pixel width of each column.
    static int ColumnWidth(int column);
    // What the date (column 0) or time (column 1) column can show in the user's locale
    // formats: a date in every month and on every weekday, a time in every hour (day
    // halves), each with two-digit numbers. The widest of them sizes the column.
    static QStringList DateTimeSamples(int column);

private:
    const TMeasurementList* m_readings = nullptr;
    int m_rows = 0; // the readings the view was told of
    int m_model = 0;
    int m_spindle = 0;
    QStringList m_captions;
};

// The over-scale rule of the view for one reading (full scale below the viscosity, or
// the instrument's over-range mark); a model outside the tables reads as over scale.
bool ReadingOverScale(int model, int spindle, const TMeasurementItem& reading);
// Percent of full scale, 0 for a model outside the tables.
double ReadingPercent(int model, int spindle, const TMeasurementItem& reading);
// Readings below LowTorquePercent of full scale (the analysis' rule) are taken at low torque.
