#pragma once

#include <QAbstractTableModel>

namespace zyn {

class StepperTable;

// MSHFlexGrid_Stepper: one row of stepper outputs. With no stepper outputs
// it shows only its label.
class StepperGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    StepperGridModel(const StepperTable& steppers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setRowLabel(const QString& label);
    void allChanged();

private:
    const StepperTable& m_steppers;
    QString m_rowLabel;
};

} // namespace zyn
