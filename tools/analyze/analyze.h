#pragma once

#include <QStringList>

#include "tools/analyze/analyze_io.h"

namespace morvane::analyze {

// One call of morvane-analyze with its arguments (the subcommand first): the JSON object of a
// good call, or the usage or error line of a bad one.
Answer Analyze(const QStringList& args);

}  // namespace morvane::analyze
