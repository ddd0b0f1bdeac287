#pragma once
// Runs a function once, in its first update, and ends: the step of a chain that is no event.
#include "TovarWorks/Processes/Process.h"

#include <functional>

namespace Lumo {

class CallFunctionProcess : public TovarWorks::Process {
public:
    explicit CallFunctionProcess(std::function<void()> call) : call(std::move(call)) {}

    void OnUpdate(uint32_t deltaMillis) override {
        Process::OnUpdate(deltaMillis);
        if (call)
            call();
        Kill();
    }

private:
    std::function<void()> call;
};

} // namespace Lumo
