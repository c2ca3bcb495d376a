#include "gui/iso_path.h"

namespace orvi {

QString withIsoSuffix(const QString& path)
{
    return path.endsWith(QLatin1String(".iso"), Qt::CaseInsensitive) ? path : path + QLatin1String(".iso");
}

} // namespace orvi
