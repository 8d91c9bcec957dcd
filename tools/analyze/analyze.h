#pragma once

#include <QStringList>

#include "tools/analyze/analyze_io.h"

namespace morvane::analyze {

// One call of morvane-analyze with its arguments (the subcommand first): the JSON object of a
// good call, or the usage or error line of a bad one.
Answer Analyze(const QStringList& args);

// One line of `morvane-analyze batch`: the line's words are a call's arguments; the answer is
// the one line that call prints, its JSON or its error, whatever its exit status.
QByteArray BatchAnswer(const QString& line);

}  // namespace morvane::analyze
