#pragma once
// An event of the visual-novel mode. Its type is never registered, so it exists only as a
// record read back from an event log, where only its base fields are stored.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace TovarWorks {

class NextTextEvent : public BaseEventData {
public:
    const EventType& GetEventType() const override { return NextTextEventType; }

private:
    friend class boost::serialization::access;
    template <class Archive> void serialize(Archive& archive, const unsigned int) {
        archive& boost::serialization::base_object<BaseEventData>(*this);
    }
};

} // namespace TovarWorks

BOOST_CLASS_VERSION(TovarWorks::NextTextEvent, 0)
BOOST_CLASS_EXPORT_KEY2(TovarWorks::NextTextEvent, "NextTextEvent")
