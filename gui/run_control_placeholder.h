#pragma once

// Temporary stand-in for the session interface, complete only so that the
// window's owning session pointer can be created and destroyed. It goes
// together with run_control_placeholder.cpp; the real session header takes
// its place.
class PackSession
{
public:
    virtual ~PackSession() = default;
    virtual bool isRunning() const { return false; }
};
