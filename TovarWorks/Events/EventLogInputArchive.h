#pragma once
// The text input archive that reads event logs. Boost's own text archive trusts its input: a
// damaged file can make it allocate without bound or index its class tables out of range. This
// one reads the same format but refuses anything a saved event log cannot contain, so a bad file
// ends in an archive exception instead.
#include <boost/archive/detail/register_archive.hpp>
#include <boost/archive/text_iarchive.hpp>

#include "TovarWorks/Events/IEventData.h"

#include <istream>
#include <memory>
#include <set>
#include <string>

namespace TovarWorks {

class EventLogInputArchive : public boost::archive::text_iarchive_impl<EventLogInputArchive> {
public:
    // Reads and checks the header at once.
    explicit EventLogInputArchive(std::istream& stream);
    ~EventLogInputArchive() override {}

    // The event being read right now. The library leaks an object whose reading fails after it
    // was constructed; holding it here frees it with the archive. Released once it is read.
    std::unique_ptr<IEventData> unfinished;

private:
    using Base = boost::archive::text_iarchive_impl<EventLogInputArchive>;
    friend class boost::archive::detail::interface_iarchive<EventLogInputArchive>;
    friend class boost::archive::load_access;

    using Base::load;
    void load(std::string& text);

    using Base::load_override;
    void load_override(boost::archive::class_id_type& id);
    void load_override(boost::archive::class_id_optional_type& id);
    void load_override(boost::archive::class_name_type& name);

    // The archive numbers classes in the order it meets them; every class it meets has its
    // preamble read next, so counting preambles tells which number a new class must carry.
    int knownClasses = 0;
    int announcedClass = -1;
    std::set<int> pointerClasses;
    std::set<std::string> namesSeen;
};

} // namespace TovarWorks

BOOST_SERIALIZATION_REGISTER_ARCHIVE(TovarWorks::EventLogInputArchive)
