#pragma once

class QString;

namespace orvi {

// Writes the text as UTF-8, then one line feed, and flushes. Nothing but the
// line feed for an empty text; a missing stream is ignored.
void writeStderrLine(const QString& text);

} // namespace orvi
