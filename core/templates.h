#pragma once

#include <QByteArray>
#include <QVector>

namespace tuneks {

enum class Template { Porsche, Lamborghini };

// The two built-in cars that a new document is made from. Each is the full
// list of lines of a physics file (164 and 252 lines, the last one empty).
namespace Templates {

const QVector<QByteArray> &porsche();
const QVector<QByteArray> &lamborghini();
const QVector<QByteArray> &linesOf(Template which);

} // namespace Templates

} // namespace tuneks
