#pragma once
// The interface of every event and its time-stamped base. Events travel as shared pointers.
#include "TovarWorks/Events/HashedString.h"

#include <boost/serialization/access.hpp>
#include <boost/serialization/assume_abstract.hpp>
#include <boost/serialization/base_object.hpp>
#include <boost/serialization/export.hpp>
#include <boost/serialization/version.hpp>

#include <cstdint>
#include <memory>

namespace TovarWorks {

class IEventData;
using IEventDataPtr = std::shared_ptr<IEventData>;

class IEventData {
public:
    virtual const EventType& GetEventType() const = 0;
    virtual uint32_t GetTimeStamp() const = 0;
    virtual ~IEventData() = default;

    // Queued by the event manager when this event is taken out of its queue for delivery.
    // Not written to the event log: loaded events have none.
    IEventDataPtr next;

private:
    friend class boost::serialization::access;
    template <class Archive> void serialize(Archive&, const unsigned int) {}
};

class BaseEventData : public IEventData {
public:
    explicit BaseEventData(uint32_t timeStamp = 0) : timeStamp(timeStamp) {}
    uint32_t GetTimeStamp() const override { return timeStamp; }

    uint32_t timeStamp;

private:
    friend class boost::serialization::access;
    template <class Archive> void serialize(Archive& archive, const unsigned int) {
        archive& boost::serialization::base_object<IEventData>(*this);
        archive& timeStamp;
    }
};

} // namespace TovarWorks

BOOST_SERIALIZATION_ASSUME_ABSTRACT(TovarWorks::IEventData)
BOOST_SERIALIZATION_ASSUME_ABSTRACT(TovarWorks::BaseEventData)
BOOST_CLASS_VERSION(TovarWorks::IEventData, 0)
BOOST_CLASS_VERSION(TovarWorks::BaseEventData, 0)
BOOST_CLASS_EXPORT_KEY2(TovarWorks::BaseEventData, "BaseEventData")
