#include "session/pack_session.h"

#include "session/pack_inproc_session.h"
#include "session/pack_proc_session.h"

#include <QtGlobal>

PackSession::~PackSession() = default;

bool PackSession::isInProcess() const
{
    return false;
}

void PackSession::setCallbacks(OutputCallback output, FinishedCallback finished)
{
    onOutput = std::move(output);
    onFinished = std::move(finished);
}

std::unique_ptr<PackSession> createPackSession(QObject* parent)
{
    if (qgetenv("ORVI_GUI_INPROC") == "0")
        return std::make_unique<PackProcSession>(parent);
    return std::make_unique<PackInProcSession>();
}
