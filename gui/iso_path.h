#pragma once

#include <QString>

namespace orvi {

// The image path as the engine gets it: ".iso" appended unless the name
// already ends with it in any letter case (a.ISO stays, a.iso.tmp gains one).
QString withIsoSuffix(const QString& path);

} // namespace orvi
