#pragma once
// One visit of the day's schedule: who comes and at which minute.
#include "src_lumo/Customers/Townsman.h"

#include <memory>

namespace Lumo {

struct DailyCustomer {
    std::shared_ptr<const Townsman> townsman;
    int32_t minute = 0;
};

} // namespace Lumo
