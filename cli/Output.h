#pragma once

#include <string>

#include "cli/Drawing.h"
#include "cli/Options.h"
#include "core/text/Wording.h"

namespace zarno::cli {

// What a drawing has shown, in the format asked for: for people, the play, the rows and the
// chart's tables in the user's language; for programs, the run document or one table as CSV.
std::string runOutput(const Request& request, const Drawn& drawn, const Wording& wording);

// The exact figures of the levels asked for, in the format asked for.
std::string exactOutput(const Request& request, const Wording& wording);

}  // namespace zarno::cli
