// The event log file: round trips, replay of a loaded log, and every way a file can be bad.
#include "support/NullDeviceFixture.h"
#include "support/RecordingListener.h"
#include "support/TempDir.h"

#include "TovarWorks/Events/EventLogCommand.h"
#include "TovarWorks/Events/EventLogFile.h"
#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/FlipNovelCharacterEvent.h"
#include "TovarWorks/Events/NextTextEvent.h"
#include "TovarWorks/Events/SetNovelCharacterColorEvent.h"
#include "TovarWorks/Events/SetTextBoxEvent.h"
#include "src_lumo/Events/SetTimeEvent.h"

#include <boost/archive/archive_exception.hpp>
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

using namespace TovarWorks;
using boost::archive::archive_exception;
using Stamps = std::vector<uint32_t>;

namespace {

template <class Event = NextTextEvent> IEventDataPtr stamped(uint32_t stamp) {
    auto event = std::make_shared<Event>();
    event->timeStamp = stamp;
    return event;
}

Stamps stampsOf(const std::deque<IEventDataPtr>& list) {
    Stamps stamps;
    for (const IEventDataPtr& event : list)
        stamps.push_back(event->GetTimeStamp());
    return stamps;
}

size_t occurrences(const std::string& text, const std::string& word) {
    size_t count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++count;
    return count;
}

const std::string kHeader = "22 serialization::archive 18 ";

int failureCode(const std::function<void()>& action) {
    try {
        action();
    } catch (const archive_exception& error) {
        return error.code;
    }
    return -1;
}

class EventLogFileTest : public NullDeviceFixture {
protected:
    std::wstring file(const char* name = "Eventlog.txt") const {
        const std::string path = folder.file(name);
        return std::wstring(path.begin(), path.end());
    }
    std::string contents() const { return folder.read("Eventlog.txt"); }
    // Loads into a fresh manager's replay list and tells how it ended.
    std::string load(EventManager& into, const std::string& text) {
        folder.write("Eventlog.txt", text);
        try {
            into.LoadEventLog(file());
            return "ok";
        } catch (const std::exception& error) {
            return error.what();
        }
    }
    // Queues events of a type somebody listens to, with logging on.
    void logQueued(const EventType& type, std::initializer_list<IEventDataPtr> queued) {
        events.RegisterEventType(type);
        events.AddListener(recorder, type);
        events.loggingEnabled = true;
        for (const IEventDataPtr& event : queued)
            events.QueueEvent(event);
    }
    // The console command's answers, an error marked with "!".
    std::vector<std::wstring> command(std::initializer_list<const wchar_t*> words, const std::wstring& name) {
        std::vector<std::wstring> printed;
        for (const wchar_t* word : words)
            runLogCommand(events, word, [&](const std::wstring& line, bool error) { printed.push_back((error ? L"!" : L"") + line); }, name);
        return printed;
    }

    TempDir folder;
    EventManager events;
    std::shared_ptr<RecordingListener> recorder = std::make_shared<RecordingListener>();
};

} // namespace

TEST_F(EventLogFileTest, EveryNovelClassComesBackAsItselfWithItsStampButWithoutFollowUps) {
    auto withNext = stamped<FlipNovelCharacterEvent>(4);
    withNext->next = stamped(6);
    writeEventLog(file(), {stamped<SetTextBoxEvent>(1), stamped<SetNovelCharacterColorEvent>(2), stamped(3), withNext,
                           stamped(5)});
    EXPECT_EQ(1u, occurrences(contents(), "NextTextEvent")) << "a class is named once";
    ASSERT_EQ("ok", load(events, contents()));
    const auto& loaded = events.getReplayList();
    EXPECT_EQ((Stamps{1, 2, 3, 4, 5}), stampsOf(loaded));
    const EventType* types[] = {&SetTextBoxEventType, &SetNovelCharacterColorEventType, &NextTextEventType,
                                &FlipNovelCharacterEventType, &NextTextEventType};
    for (size_t i = 0; i < loaded.size(); ++i)
        EXPECT_EQ(*types[i], loaded[i]->GetEventType()) << i;
    EXPECT_NE(nullptr, dynamic_cast<const SetTextBoxEvent*>(loaded[0].get()));
    EXPECT_FALSE(loaded[3]->next);
}

TEST_F(EventLogFileTest, AnEventLoggedTwiceLoadsAsOneSharedEventAndLoadingAgainAppends) {
    const IEventDataPtr twice = stamped(8);
    writeEventLog(file(), {twice, stamped(9), twice});
    ASSERT_EQ("ok", load(events, contents()));
    ASSERT_EQ("ok", load(events, contents()));
    const auto& loaded = events.getReplayList();
    EXPECT_EQ((Stamps{8, 9, 8, 8, 9, 8}), stampsOf(loaded));
    EXPECT_EQ(loaded[0], loaded[2]); // one owner: releasing the list frees it once
    EXPECT_NE(loaded[0], loaded[1]);
}

TEST_F(EventLogFileTest, MissingFilesUnwritablePlacesAndGameEventsFailWithTheirCodes) {
    EXPECT_EQ(archive_exception::input_stream_error, failureCode([&] { events.LoadEventLog(file("absent.txt")); }));
    EXPECT_TRUE(events.getReplayList().empty());
    EXPECT_EQ(archive_exception::output_stream_error,
              failureCode([&] { events.SaveEventLog(file("no/such/folder.txt")); }));
    EXPECT_EQ(archive_exception::unregistered_class, failureCode([&] {
                  writeEventLog(file(), {stamped(1), std::make_shared<Lumo::SetTimeEvent>(6, 0),
                                         stamped<FlipNovelCharacterEvent>(3)});
              }));
    EXPECT_EQ(1u, occurrences(contents(), "NextTextEvent")) << "what came before the game event is written";
    EXPECT_EQ(0u, occurrences(contents(), "FlipNovelCharacterEvent"));
}

TEST_F(EventLogFileTest, DamagedFilesEndInAnErrorNotACrash) {
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty file", ""},
        {"not an archive", "hello, this is not an event log\n"},
        {"wrong signature", "22 serialization::orchive 18 0"},
        {"endless signature length", "99999999999999999999 serialization::archive 18 0"},
        {"newer library", "22 serialization::archive 999 0"},
        {"older library", "22 serialization::archive 3 0"},
        {"endless class name", kHeader + "1 0 4000000000 NextTextEvent 1 0\n0 0 0 0 0 5"},
        {"class number out of turn", kHeader + "1 7 13 NextTextEvent 1 0\n0 0 0 0 0 5"},
        {"negative class number", kHeader + "1 -9 13 NextTextEvent 1 0\n0 0 0 0 0 5"},
        {"abstract class", kHeader + "1 0 13 BaseEventData 1 0\n0 0 0 0 0 5"},
        {"unknown class", kHeader + "1 0 12 SetTimeEvent 1 0\n0 0 0 0 0 5"},
        {"class number of a base", kHeader + "2 0 13 NextTextEvent 1 0\n0 0 0 0 0 5 1 1 7"},
        {"class named twice", kHeader + "2 0 13 NextTextEvent 1 0\n0 0 0 0 0 5 3 13 NextTextEvent 1 0\n1 7"},
        {"letters for a number", kHeader + "1 0 13 NextTextEvent 1 0\n0 0 0 0 0 five"},
    };
    for (const auto& damaged : cases) {
        EventManager fresh;
        EXPECT_NE("ok", load(fresh, damaged.text)) << damaged.what;
        EXPECT_LE(fresh.getReplayList().size(), 1u) << damaged.what;
    }
}

TEST_F(EventLogFileTest, AWrongCountReadsWhatIsThereThenStops) {
    EXPECT_NE("ok", load(events, kHeader + "2147483647 0 13 NextTextEvent 1 0\n0 0 0 0 0 5 0 1 6"));
    EXPECT_EQ((Stamps{5, 6}), stampsOf(events.getReplayList()));
    EventManager fresh;
    EXPECT_EQ("ok", load(fresh, kHeader + "-3 0 13 NextTextEvent 1 0\n0 0 0 0 0 5"));
    EXPECT_TRUE(fresh.getReplayList().empty());
}

TEST_F(EventLogFileTest, TruncationAtAnyByteNeverChangesAnEarlierEvent) {
    writeEventLog(file(), {stamped(11), stamped<SetTextBoxEvent>(22), stamped(33)});
    const std::string whole = contents();
    for (size_t length = 0; length < whole.size(); ++length) {
        EventManager fresh;
        load(fresh, whole.substr(0, length));
        const Stamps loaded = stampsOf(fresh.getReplayList());
        ASSERT_LE(loaded.size(), 3u) << "cut at " << length;
        // A cut inside a number can shorten the last stamp, never change an earlier one.
        for (size_t i = 0; i + 1 < loaded.size(); ++i)
            EXPECT_EQ((Stamps{11, 22, 33})[i], loaded[i]) << "cut at " << length;
    }
}

TEST(EventLogStream, DamagedLogsAndRandomBytesGiveNoMoreEventsThanTheTextCanHold) {
    std::ostringstream saved;
    writeEventLog(saved, {stamped(11), stamped<SetTextBoxEvent>(22), stamped(33), stamped<FlipNovelCharacterEvent>(44),
                          stamped<SetNovelCharacterColorEvent>(55), stamped(66)});
    const std::string whole = saved.str(), alphabet = "0123456789 -\n9x";
    std::mt19937 random(2024);
    auto below = [&](size_t limit) { return std::uniform_int_distribution<size_t>(0, limit - 1)(random); };
    int completed = 0;
    for (int round = 0; round < 25000; ++round) {
        std::string text;
        if (round < 20000) { // a few symbols of a valid log changed
            text = whole;
            for (size_t i = 1 + below(4); i > 0; --i)
                text[below(whole.size())] = alphabet[below(alphabet.size())];
        } else { // garbage, half of it behind a valid header
            text = round % 2 ? kHeader : "";
            for (size_t i = below(201); i > 0; --i)
                text += static_cast<char>(below(256));
        }
        std::istringstream damaged(text);
        size_t received = 0;
        try {
            readEventLog(damaged, [&](const IEventDataPtr& event) {
                ASSERT_NE(nullptr, event);
                ++received;
            });
            ++completed;
        } catch (const std::exception&) {
        }
        ASSERT_LE(received, text.size() / 2) << text;
    }
    EXPECT_GT(completed, 0); // some edits only change stamps
}

TEST_F(EventLogFileTest, ALoadedLogReplaysOneEventPerTickKeepingTheRecordedSpacing) {
    writeEventLog(file(), {stamped(1000), stamped(1000), stamped(1100), stamped(1400)});
    advanceTime(5000);
    ASSERT_EQ("ok", load(events, contents()));
    // Time since loading, and the events still waiting after a tick at that time.
    const std::pair<uint32_t, size_t> steps[] = {{0, 4}, {1, 3}, {1, 2}, {100, 2}, {101, 1}, {400, 1}, {401, 0}};
    uint32_t since = 0;
    for (const auto& [at, left] : steps) {
        advanceTime(at - since);
        since = at;
        events.Tick(IEventManager::kInfinite);
        EXPECT_EQ(left, events.getReplayList().size()) << at << " ms after loading";
    }
    EXPECT_TRUE(events.queue(0).empty() && events.queue(1).empty()) << "novel types are never registered";
}

TEST_F(EventLogFileTest, ReplayedEventsOfRegisteredTypesAreQueuedAndLoggedAgain) {
    logQueued(NextTextEventType, {}); // stands in for a game that listens to the novel's events
    writeEventLog(file(), {stamped(0)});
    ASSERT_EQ("ok", load(events, contents()));
    advanceTime(1);
    events.Tick(IEventManager::kInfinite); // queued by the replay, delivered in the same tick
    EXPECT_EQ(1u, recorder->heard.size());
    EXPECT_EQ(1u, events.getEventLog().size());
}

TEST_F(EventLogFileTest, TheLogCommandSwitchesSavesAndLoadsInEventlogTxt) {
    command({L"on"}, file());
    EXPECT_TRUE(events.loggingEnabled);
    EXPECT_EQ(1u, command({L"off", L"ON", L""}, file()).size()) << "words are exact";
    EXPECT_FALSE(events.loggingEnabled);
    logQueued(NextTextEventType, {stamped(3), stamped(4)});
    const auto printed = command({L"save", L"load", L"load"}, file());
    ASSERT_EQ(3u, printed.size());
    EXPECT_EQ(0u, printed[0].find(L"Saved 2 events"));
    EXPECT_EQ(0u, printed[1].find(L"Loaded 2 events"));
    EXPECT_EQ(0u, printed[2].find(L"Loaded 2 events")) << "what this load added, not the whole list";
    EXPECT_EQ((Stamps{3, 4, 3, 4}), stampsOf(events.getReplayList()));
    const auto failed = command({L"load"}, file("absent.txt"));
    ASSERT_EQ(1u, failed.size());
    EXPECT_NE(std::wstring::npos, failed[0].find(L"(0 events read before")) << "counted from this load, too";
}

TEST_F(EventLogFileTest, TheLogCommandReportsFailuresAndKeepsTheLists) {
    logQueued(SetTimeEventType, {std::make_shared<Lumo::SetTimeEvent>(1, 2)});
    const auto saved = command({L"save"}, file()), loaded = command({L"load"}, file("absent.txt"));
    ASSERT_EQ(1u, saved.size());
    ASSERT_EQ(1u, loaded.size());
    EXPECT_EQ(0u, saved[0].find(L"!Could not save the event log"));
    EXPECT_NE(std::wstring::npos, saved[0].find(L"unregistered class"));
    EXPECT_EQ(0u, loaded[0].find(L"!Could not load the event log"));
    EXPECT_NE(std::wstring::npos, loaded[0].find(L"0 events read"));
    EXPECT_EQ(1u, events.getEventLog().size());
    EXPECT_TRUE(events.getReplayList().empty());
}
