#include "TovarWorks/Events/EventLogInputArchive.h"

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/detail/archive_serializer_map.hpp>
#include <boost/archive/impl/archive_serializer_map.ipp>
#include <boost/archive/impl/basic_text_iarchive.ipp>
#include <boost/archive/impl/text_iarchive_impl.ipp>
#include <boost/serialization/extended_type_info.hpp>

namespace boost {
namespace archive {
template class detail::archive_serializer_map<TovarWorks::EventLogInputArchive>;
template class basic_text_iarchive<TovarWorks::EventLogInputArchive>;
template class text_iarchive_impl<TovarWorks::EventLogInputArchive>;
} // namespace archive
} // namespace boost

namespace TovarWorks {

namespace {
using boost::archive::archive_exception;

constexpr int kNullPointerClass = -1;

[[noreturn]] void refuse(archive_exception::exception_code code, const char* detail = nullptr) {
    throw archive_exception(code, detail);
}
} // namespace

EventLogInputArchive::EventLogInputArchive(std::istream& stream) : Base(stream, 0) {
    init();
    // Older formats take other paths through the library; a log is only read by the release
    // that wrote it.
    if (get_library_version() != boost::archive::BOOST_ARCHIVE_VERSION())
        refuse(archive_exception::unsupported_version);
}

void EventLogInputArchive::load(std::string& text) {
    // The only strings in a log are the header's signature and class names, both short; the
    // library would otherwise size the string from the file before reading it.
    std::size_t size = 0;
    Base::load(size);
    if (size >= BOOST_SERIALIZATION_MAX_KEY_SIZE)
        refuse(archive_exception::invalid_class_name);
    is.get(); // the blank between length and text
    text.resize(size);
    if (size > 0)
        is.read(&text[0], static_cast<std::streamsize>(size));
    if (is.fail())
        refuse(archive_exception::input_stream_error);
}

void EventLogInputArchive::load_override(boost::archive::class_id_optional_type& id) {
    Base::load_override(id);
    ++knownClasses;
}

void EventLogInputArchive::load_override(boost::archive::class_id_type& id) {
    Base::load_override(id);
    const int value = id;
    if (value == kNullPointerClass || pointerClasses.count(value))
        return;
    if (value != knownClasses)
        refuse(archive_exception::unregistered_class);
    announcedClass = value; // its name follows
}

void EventLogInputArchive::load_override(boost::archive::class_name_type& name) {
    Base::load_override(name);
    const std::string key(name);
    // Only a class this archive can create through a pointer may appear, and only once.
    const boost::serialization::extended_type_info* type =
        boost::serialization::extended_type_info::find(key.c_str());
    const bool creatable =
        type && boost::archive::detail::archive_serializer_map<EventLogInputArchive>::find(*type);
    if (!creatable || announcedClass < 0 || !namesSeen.insert(key).second)
        refuse(archive_exception::unregistered_class, key.c_str());
    pointerClasses.insert(announcedClass);
    announcedClass = -1;
}

} // namespace TovarWorks
