#include "ui/ReadingsTableModel.h"

#include "catalogue/Catalogue.h"
#include "catalogue/DateTimeTexts.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>

bool ReadingOverScale(int model, int spindle, const TMeasurementItem& reading) {
    if (reading.Viscosity >= OverRangeViscosity)
        return true;
    try {
        return IsOverScale(model, spindle, reading.RPMCode, reading.Viscosity);
    } catch (const std::exception&) {
        return true;
    }
}

double ReadingPercent(int model, int spindle, const TMeasurementItem& reading) {
    try {
        return PercentFullScale(model, spindle, reading.RPMCode, reading.Viscosity);
    } catch (const std::exception&) {
        return 0.0;
    }
}

TReadingsTableModel::TReadingsTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TReadingsTableModel::SetReadings(const TMeasurementList& readings, int model, int spindle) {
    beginResetModel();
    m_readings = &readings;
    m_rows = readings.Count();
    m_model = model;
    m_spindle = spindle;
    endResetModel();
}

void TReadingsTableModel::AppendRows(int count) {
    if (!m_readings || count <= 0)
        return;
    const int rows = std::min(m_readings->Count(), m_rows + count);
    if (rows <= m_rows)
        return;
    beginInsertRows(QModelIndex(), m_rows, rows - 1);
    m_rows = rows;
    endInsertRows();
}

void TReadingsTableModel::SetColumns(bool shear) {
    beginResetModel();
    m_captions = {tr("Date"),
                  tr("Time"),
                  tr("%1 (%2)").arg(tr("Viscosity"), ViscosityUnitsName()),
                  tr("% Full Scale"),
                  tr("%1 (%2)").arg(tr("Temperature"), TemperatureUnitsName()),
                  tr("RPM")};
    if (shear)
        m_captions << tr("Shear Stress") << tr("Shear Rate");
    endResetModel();
}

int TReadingsTableModel::ColumnWidth(int column) {
    static constexpr int widths[] = {70, 70, 100, 80, 105, 70, 80, 80};
    return column >= 0 && column < 8 ? widths[column] : 80;
}

QStringList TReadingsTableModel::DateTimeSamples(int column) {
    QStringList samples;
    TDateTimeTexts texts;
    const QDate origin(1899, 12, 30);
    if (column == 0) {
        for (int month = 1; month <= 12; ++month)
            for (int day = 22; day <= 28; ++day) {
                texts.Set(static_cast<double>(origin.daysTo(QDate(2028, month, day))));
                samples << texts.Date();
            }
    } else if (column == 1) {
        const double day = static_cast<double>(origin.daysTo(QDate(2028, 1, 28)));
        for (int hour = 0; hour < 24; ++hour) {
            texts.Set(day + QTime(hour, 58, 58).msecsSinceStartOfDay() / 86400000.0);
            samples << texts.Time();
        }
    }
    return samples;
}

int TReadingsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TReadingsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_captions.size());
}

bool TReadingsTableModel::OverScale(int row) const {
    return ReadingOverScale(m_model, m_spindle, Reading(row));
}

bool TReadingsTableModel::LowTorque(int row) const {
    return !OverScale(row) && ReadingPercent(m_model, m_spindle, Reading(row)) < LowTorquePercent;
}

QString TReadingsTableModel::LowTorqueHint() {
    return tr("Below 10 % of full scale: the spindle turns at low torque, where the reading is unreliable.");
}

QVariant TReadingsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        break;
    case Qt::TextAlignmentRole:
        return static_cast<int>(index.column() <= 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                                    : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (LowTorque(row))
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    case Qt::ToolTipRole:
        if (LowTorque(row))
            return LowTorqueHint();
        return {};
    default:
        return {};
    }
    const TMeasurementItem& m = Reading(row);
    const bool over = OverScale(row);
    switch (index.column()) {
    case 0:
    case 1: {
        TDateTimeTexts texts;
        texts.Set(m.DateTime);
        return index.column() == 0 ? texts.Date() : texts.Time();
    }
    case 2:
        return over ? OverScaleText() : FormatViscosity(m.Viscosity);
    case 3:
        return over ? OverScaleText() : FormatLocaleFixed(ReadingPercent(m_model, m_spindle, m), 1);
    case 4:
        return FormatTemperature(m.Temperature);
    case 5:
        return FormatLocaleFixed(RPMCodeToValue(m.RPMCode), 1);
    case 6:
        return over ? QString() : FormatLocaleFixed(m.SheerStress, 1);
    case 7:
        return over ? QString() : FormatLocaleFixed(m.SheerRate, 1);
    default:
        return {};
    }
}

QVariant TReadingsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_captions.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_captions[section];
    return {};
}
