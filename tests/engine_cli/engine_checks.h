#pragma once

// The engine's command-line and round-trip tests use the shared plain checks.
#include "plain_checks.h"

namespace orvi::enginetest {
using orvi::test::finish;
} // namespace orvi::enginetest
