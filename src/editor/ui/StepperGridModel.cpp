#include "StepperGridModel.h"

#include "show/StepperTable.h"

namespace zyn {

StepperGridModel::StepperGridModel(const StepperTable& steppers, QObject* parent)
    : QAbstractTableModel(parent), m_steppers(steppers) {}

int StepperGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

int StepperGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : StepperCount;
}

QVariant StepperGridModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::DisplayRole && StepperTable::isValidCell(index.column() + 1))
        return m_steppers.cell(index.column() + 1);
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignCenter);
    return {};
}

QVariant StepperGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return m_rowLabel;
    return u' ' + QString::number(section + 1);
}

void StepperGridModel::setRowLabel(const QString& label) {
    m_rowLabel = label;
    emit headerDataChanged(Qt::Vertical, 0, 0);
}

void StepperGridModel::allChanged() {
    if (StepperCount > 0)
        emit dataChanged(index(0, 0), index(0, StepperCount - 1));
}

} // namespace zyn
