#pragma once
// The diagnostic stream for developers' traces ("CUSTOMER", "set:3,4", ...): standard error.
#include <ostream>

namespace TovarWorks {

std::ostream& debugLog();

} // namespace TovarWorks
