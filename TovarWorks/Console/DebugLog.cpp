#include "TovarWorks/Console/DebugLog.h"

#include <iostream>

namespace TovarWorks {

std::ostream& debugLog() { return std::clog; }

} // namespace TovarWorks
