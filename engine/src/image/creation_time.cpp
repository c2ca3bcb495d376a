#include "image/creation_time.h"

#include <QtGlobal>

namespace orvi::engine {

QDateTime imageCreationTime()
{
    bool isNumber = false;
    const qint64 seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&isNumber);
    return isNumber && seconds >= 0 ? QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC) : QDateTime::currentDateTimeUtc();
}

} // namespace orvi::engine
