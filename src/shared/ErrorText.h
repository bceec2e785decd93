#pragma once
// Why a file or port could not be used, in the user's language: the
// program's own words for the causes users meet, the system's words (with
// the number) for the rest. Never "Unknown error".

#include <QString>

namespace cs {

// The words for an errno code (<cerrno>).
QString errorText(int error);

} // namespace cs
