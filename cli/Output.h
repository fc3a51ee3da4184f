#pragma once

#include <span>
#include <string>

#include "cli/Drawing.h"
#include "cli/Options.h"
#include "core/document/LessonDocument.h"
#include "core/document/RunDocument.h"
#include "core/text/Wording.h"

namespace zarno::cli {

// What a drawing has shown, in the format asked for: for people, the play, the rows and the
// chart's tables in the user's language; for programs, the run document or one table as CSV. The
// exact figures are worked out first; Ctrl+C gives them up, and those not finished are missing.
std::string runOutput(const Request& request, const Drawn& drawn, const Wording& wording);
// A saved run, as it was drawn; as JSON the very document it was read from.
std::string savedRunOutput(const Request& request, const SavedRun& run, const Wording& wording);

// A class's lessons, a line a pupil and their summary, as text or as the CSV table asked for.
std::string lessonsOutput(const Request& request, std::span<const NamedLesson> lessons,
                          const Wording& wording);

// The exact figures of the levels asked for, in the format asked for; as above, Ctrl+C leaves
// those not finished missing.
std::string exactOutput(const Request& request, const Wording& wording);

}  // namespace zarno::cli
