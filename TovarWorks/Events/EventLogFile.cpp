#include "TovarWorks/Events/EventLogFile.h"

#include "TovarWorks/Events/EventLogInputArchive.h"
#include "TovarWorks/Events/FlipNovelCharacterEvent.h"
#include "TovarWorks/Events/NextTextEvent.h"
#include "TovarWorks/Events/SetNovelCharacterColorEvent.h"
#include "TovarWorks/Events/SetTextBoxEvent.h"

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/text_oarchive.hpp>

#include <filesystem>
#include <fstream>
#include <map>

namespace TovarWorks {
// Found by the library when it creates an event it reads; see EventLogInputArchive::unfinished.
template <class Event>
void load_construct_data(EventLogInputArchive& archive, Event* event, const unsigned int) {
    ::new (event) Event();
    archive.unfinished.reset(event);
}
} // namespace TovarWorks

// After the archive headers: this instantiates the classes' serialisation for both archives.
BOOST_CLASS_EXPORT_IMPLEMENT(TovarWorks::BaseEventData)
BOOST_CLASS_EXPORT_IMPLEMENT(TovarWorks::NextTextEvent)
BOOST_CLASS_EXPORT_IMPLEMENT(TovarWorks::SetTextBoxEvent)
BOOST_CLASS_EXPORT_IMPLEMENT(TovarWorks::SetNovelCharacterColorEvent)
BOOST_CLASS_EXPORT_IMPLEMENT(TovarWorks::FlipNovelCharacterEvent)

namespace TovarWorks {

namespace {
using boost::archive::archive_exception;
}

void writeEventLog(const std::wstring& fileName, const std::vector<IEventDataPtr>& events) {
    std::ofstream file(std::filesystem::path(fileName), std::ios::out | std::ios::trunc);
    if (!file)
        throw archive_exception(archive_exception::output_stream_error);
    writeEventLog(file, events);
}

void writeEventLog(std::ostream& stream, const std::vector<IEventDataPtr>& events) {
    {
        boost::archive::text_oarchive archive(stream);
        const int count = static_cast<int>(events.size());
        archive << count;
        for (const IEventDataPtr& event : events) {
            const IEventData* const pointer = event.get();
            archive << pointer;
        }
    }
    stream.flush();
    if (!stream)
        throw archive_exception(archive_exception::output_stream_error);
}

void readEventLog(const std::wstring& fileName,
                  const std::function<void(const IEventDataPtr&)>& append) {
    std::ifstream file{std::filesystem::path(fileName)};
    if (!file)
        throw archive_exception(archive_exception::input_stream_error);
    readEventLog(file, append);
}

void readEventLog(std::istream& stream, const std::function<void(const IEventDataPtr&)>& append) {
    EventLogInputArchive archive(stream);
    int count = 0;
    archive >> count;
    // The archive hands back the same address for an object stored twice; it must get one owner.
    std::map<IEventData*, IEventDataPtr> owners;
    for (int i = 0; i < count; ++i) {
        IEventData* pointer = nullptr;
        archive >> pointer;
        archive.unfinished.release(); // now owned below
        if (!pointer)
            continue;
        IEventDataPtr& owner = owners[pointer];
        if (!owner)
            owner.reset(pointer);
        append(owner);
    }
}

} // namespace TovarWorks
