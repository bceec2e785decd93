#pragma once
// What the window tests' main found: empty when the application runs on its
// own X server, else why it could not start one.

#include <QString>

namespace cs::test {

QString windowProblem();

} // namespace cs::test
