#pragma once

#include "PlanReading.h"

#include <QByteArrayView>

namespace zyn {

// Tells a medium by its first bytes: a controller table begins B1 06, a card
// image with its start block 00 00 00 00. Whatever begins otherwise is neither
// (a project file, for one).
namespace MediumReading {

enum class Kind { Table, Card, Other };

Kind recognise(QByteArrayView bytes);

// The plan of a table or a card image; anything else is an error at offset 0.
PlanReading read(QByteArrayView bytes);

} // namespace MediumReading
} // namespace zyn
