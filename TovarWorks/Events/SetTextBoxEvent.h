#pragma once
// Novel-mode event that would hand a text box its page. Its type is never registered; only the
// base fields go into an event log. The box is held untyped so the engine stays game-agnostic.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

#include <memory>
#include <string>

namespace TovarWorks {

class SetTextBoxEvent : public BaseEventData {
public:
    explicit SetTextBoxEvent(std::wstring text = L"", std::wstring speaker = L"",
                             std::shared_ptr<void> textBox = nullptr)
        : text(std::move(text)), speaker(std::move(speaker)), textBox(std::move(textBox)) {}

    const EventType& GetEventType() const override { return SetTextBoxEventType; }

    std::wstring text;
    std::wstring speaker;
    std::shared_ptr<void> textBox;

private:
    friend class boost::serialization::access;
    template <class Archive> void serialize(Archive& archive, const unsigned int) {
        archive& boost::serialization::base_object<BaseEventData>(*this);
    }
};

} // namespace TovarWorks

BOOST_CLASS_VERSION(TovarWorks::SetTextBoxEvent, 0)
BOOST_CLASS_EXPORT_KEY2(TovarWorks::SetTextBoxEvent, "SetTextBoxEvent")
