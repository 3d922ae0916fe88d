#pragma once

// The probe's commands: each reads or drives another program's windows the
// way an assistive tool does, and answers with one JSON object.

#include <string>

#include "probe/request.h"

namespace e2e {

// The JSON answer to one request; {"ok":false,"error":...} when it fails.
std::string answer(const Request& request);

}  // namespace e2e
