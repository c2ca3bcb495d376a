#pragma once

#include <QCoreApplication>
#include <QString>

namespace orvi {

// Texts of the update check and install, and of the update dialogs, each in
// its own translation context.
inline QString updateCheckerText(const char* source)
{
    return QCoreApplication::translate("UpdateChecker", source);
}

inline QString updateUiText(const char* source)
{
    return QCoreApplication::translate("UpdateUi", source);
}

} // namespace orvi
