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

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

using namespace TovarWorks;
using boost::archive::archive_exception;
namespace fs = std::filesystem;

namespace {

template <class Event> IEventDataPtr stamped(uint32_t stamp) {
    auto event = std::make_shared<Event>();
    event->timeStamp = stamp;
    return event;
}

class EventLogFileTest : public NullDeviceFixture {
protected:
    std::wstring file(const char* name = "Eventlog.txt") const { return (folder.path() / name).wstring(); }
    std::string contents(const std::wstring& name) const {
        std::ifstream in{fs::path(name)};
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void writeText(const std::wstring& name, const std::string& text) const {
        std::ofstream{fs::path(name), std::ios::binary} << text;
    }
    // Loads and reports how it ended; the replay list shows what was kept.
    std::string load(const std::wstring& name) {
        try {
            events.LoadEventLog(name);
            return "ok";
        } catch (const std::exception& error) {
            return error.what();
        }
    }
    std::vector<uint32_t> replayStamps() const {
        std::vector<uint32_t> stamps;
        for (const IEventDataPtr& event : events.getReplayList())
            stamps.push_back(event->GetTimeStamp());
        return stamps;
    }

    TempDir folder;
    EventManager events;
};

size_t occurrences(const std::string& text, const std::string& word) {
    size_t count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++count;
    return count;
}

const std::string kHeader = "22 serialization::archive 18 ";

} // namespace

// --- round trips ---

TEST_F(EventLogFileTest, EmptyLogSavesHeaderAndZeroAndLoadsNothing) {
    events.SaveEventLog(file());
    EXPECT_EQ(kHeader + "0", contents(file()).substr(0, kHeader.size() + 1));
    EXPECT_EQ("ok", load(file()));
    EXPECT_TRUE(events.getReplayList().empty());
}

TEST_F(EventLogFileTest, TwoEventsRoundTripWithTheirStampsAndOneClassName) {
    writeEventLog(file(), {stamped<NextTextEvent>(40), stamped<NextTextEvent>(90)});
    EXPECT_EQ(1u, occurrences(contents(file()), "NextTextEvent"));
    EXPECT_EQ("ok", load(file()));
    EXPECT_EQ((std::vector<uint32_t>{40, 90}), replayStamps());
    for (const IEventDataPtr& event : events.getReplayList()) {
        EXPECT_EQ(NextTextEventType, event->GetEventType());
        EXPECT_FALSE(event->next);
    }
}

TEST_F(EventLogFileTest, EveryNovelClassComesBackAsItself) {
    auto withNext = stamped<FlipNovelCharacterEvent>(4);
    withNext->next = stamped<NextTextEvent>(5); // follow-ups are not stored
    writeEventLog(file(), {stamped<SetTextBoxEvent>(1), stamped<SetNovelCharacterColorEvent>(2),
                           stamped<NextTextEvent>(3), withNext});
    ASSERT_EQ("ok", load(file()));
    const auto& loaded = events.getReplayList();
    ASSERT_EQ(4u, loaded.size());
    EXPECT_EQ(SetTextBoxEventType, loaded[0]->GetEventType());
    EXPECT_EQ(SetNovelCharacterColorEventType, loaded[1]->GetEventType());
    EXPECT_EQ(NextTextEventType, loaded[2]->GetEventType());
    EXPECT_EQ(FlipNovelCharacterEventType, loaded[3]->GetEventType());
    EXPECT_NE(nullptr, dynamic_cast<const SetTextBoxEvent*>(loaded[0].get()));
    EXPECT_FALSE(loaded[3]->next);
    EXPECT_EQ((std::vector<uint32_t>{1, 2, 3, 4}), replayStamps());
}

TEST_F(EventLogFileTest, LoadingTwiceAppendsTwice) {
    writeEventLog(file(), {stamped<NextTextEvent>(1), stamped<NextTextEvent>(2)});
    ASSERT_EQ("ok", load(file()));
    ASSERT_EQ("ok", load(file()));
    EXPECT_EQ((std::vector<uint32_t>{1, 2, 1, 2}), replayStamps());
}

TEST_F(EventLogFileTest, AnEventLoggedTwiceLoadsAsOneSharedEvent) {
    const IEventDataPtr twice = stamped<NextTextEvent>(8);
    writeEventLog(file(), {twice, stamped<NextTextEvent>(9), twice});
    ASSERT_EQ("ok", load(file()));
    const auto& loaded = events.getReplayList();
    ASSERT_EQ(3u, loaded.size());
    EXPECT_EQ(loaded[0], loaded[2]); // one owner: releasing the list frees it once
    EXPECT_NE(loaded[0], loaded[1]);
}

TEST_F(EventLogFileTest, SavingLeavesTheLogAsItWas) {
    events.RegisterEventType(SetTimeEventType);
    events.AddListener(std::make_shared<RecordingListener>(), SetTimeEventType);
    events.loggingEnabled = true;
    events.QueueEvent(std::make_shared<Lumo::SetTimeEvent>(1, 2));
    EXPECT_THROW(events.SaveEventLog(file()), archive_exception);
    EXPECT_EQ(1u, events.getEventLog().size());
}

// --- failures ---

TEST_F(EventLogFileTest, MissingFileRaisesAnInputStreamError) {
    try {
        events.LoadEventLog(file("absent.txt"));
        FAIL() << "loading a missing file succeeded";
    } catch (const archive_exception& error) {
        EXPECT_EQ(archive_exception::input_stream_error, error.code);
    }
    EXPECT_TRUE(events.getReplayList().empty());
}

TEST_F(EventLogFileTest, UnwritablePlaceRaisesAnOutputStreamError) {
    try {
        events.SaveEventLog(file("no/such/folder.txt"));
        FAIL() << "saving into a missing folder succeeded";
    } catch (const archive_exception& error) {
        EXPECT_EQ(archive_exception::output_stream_error, error.code);
    }
}

TEST_F(EventLogFileTest, UnregisteredClassFailsAtThatEventKeepingWhatWasWritten) {
    try {
        writeEventLog(file(),
                      {stamped<NextTextEvent>(1), std::make_shared<Lumo::SetTimeEvent>(6, 0),
                       stamped<FlipNovelCharacterEvent>(3)});
        FAIL() << "saving a game event succeeded";
    } catch (const archive_exception& error) {
        EXPECT_EQ(archive_exception::unregistered_class, error.code);
    }
    const std::string written = contents(file());
    EXPECT_EQ(1u, occurrences(written, "NextTextEvent"));
    EXPECT_EQ(0u, occurrences(written, "FlipNovelCharacterEvent"));
}

TEST_F(EventLogFileTest, FailureKeepsTheEventsReadBeforeIt) {
    // The count promises three events, the file holds two.
    writeEventLog(file(), {stamped<NextTextEvent>(1), stamped<NextTextEvent>(2)});
    std::string text = contents(file());
    text.replace(kHeader.size(), 1, "3");
    writeText(file(), text);
    EXPECT_NE("ok", load(file()));
    EXPECT_EQ((std::vector<uint32_t>{1, 2}), replayStamps());
}

TEST_F(EventLogFileTest, TruncationAtAnyByteNeverLoadsMoreThanWasThere) {
    writeEventLog(file("whole.txt"), {stamped<NextTextEvent>(11), stamped<SetTextBoxEvent>(22),
                                      stamped<NextTextEvent>(33)});
    const std::string whole = contents(file("whole.txt"));
    for (size_t length = 0; length < whole.size(); ++length) {
        EventManager fresh;
        writeText(file(), whole.substr(0, length));
        try {
            fresh.LoadEventLog(file());
        } catch (const std::exception&) {
        }
        const auto& loaded = fresh.getReplayList();
        ASSERT_LE(loaded.size(), 3u) << "cut at " << length;
        const uint32_t expected[] = {11, 22, 33};
        for (size_t i = 0; i < loaded.size(); ++i) {
            // A cut inside a number can shorten the last stamp, never change an earlier one.
            if (i + 1 < loaded.size())
                EXPECT_EQ(expected[i], loaded[i]->GetTimeStamp()) << "cut at " << length;
        }
    }
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
        {"class named twice",
         kHeader + "2 0 13 NextTextEvent 1 0\n0 0 0 0 0 5 3 13 NextTextEvent 1 0\n1 7"},
        {"letters for a number", kHeader + "1 0 13 NextTextEvent 1 0\n0 0 0 0 0 five"},
    };
    for (const auto& damaged : cases) {
        EventManager fresh;
        writeText(file(), damaged.text);
        EXPECT_THROW(fresh.LoadEventLog(file()), std::exception) << damaged.what;
        EXPECT_LE(fresh.getReplayList().size(), 1u) << damaged.what;
    }
}

TEST_F(EventLogFileTest, HugeCountReadsWhatIsThereThenStops) {
    writeText(file(), kHeader + "2147483647 0 13 NextTextEvent 1 0\n0 0 0 0 0 5 0 1 6");
    EXPECT_NE("ok", load(file()));
    EXPECT_EQ((std::vector<uint32_t>{5, 6}), replayStamps());
}

TEST_F(EventLogFileTest, NegativeCountLoadsNothing) {
    writeText(file(), kHeader + "-3 0 13 NextTextEvent 1 0\n0 0 0 0 0 5");
    EXPECT_EQ("ok", load(file()));
    EXPECT_TRUE(events.getReplayList().empty());
}

TEST(EventLogStream, RandomDamageToAValidLogNeverCrashes) {
    std::ostringstream saved;
    writeEventLog(saved, {stamped<NextTextEvent>(11), stamped<SetTextBoxEvent>(22),
                          stamped<NextTextEvent>(33), stamped<FlipNovelCharacterEvent>(44),
                          stamped<SetNovelCharacterColorEvent>(55), stamped<NextTextEvent>(66)});
    const std::string whole = saved.str();
    const std::string alphabet = "0123456789 -\n9x";
    std::mt19937 random(2024);
    std::uniform_int_distribution<size_t> position(0, whole.size() - 1);
    std::uniform_int_distribution<size_t> symbol(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> edits(1, 4);
    int completed = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text = whole;
        for (int i = edits(random); i > 0; --i)
            text[position(random)] = alphabet[symbol(random)];
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
        // A damaged count can only ask for more; the objects are bounded by the text.
        ASSERT_LE(received, text.size() / 2) << text;
    }
    EXPECT_GT(completed, 0); // some edits only change stamps
}

TEST(EventLogStream, RandomBytesNeverCrash) {
    std::mt19937 random(77);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<size_t> length(0, 200);
    for (int round = 0; round < 5000; ++round) {
        std::string text = round % 2 ? kHeader : "";
        for (size_t i = length(random); i > 0; --i)
            text += static_cast<char>(byte(random));
        std::istringstream garbage(text);
        size_t received = 0;
        try {
            readEventLog(garbage, [&](const IEventDataPtr&) { ++received; });
        } catch (const std::exception&) {
        }
        ASSERT_LE(received, text.size() / 2);
    }
}

// --- replay ---

TEST_F(EventLogFileTest, LoadedLogReplaysOneEventPerTickOnceTimeHasPassed) {
    writeEventLog(
        file(), {stamped<NextTextEvent>(0), stamped<NextTextEvent>(0), stamped<NextTextEvent>(0)});
    ASSERT_EQ("ok", load(file()));
    events.Tick(IEventManager::kInfinite);
    EXPECT_EQ(3u, events.getReplayList().size()); // no time has passed since loading
    advanceTime(1);
    for (const size_t left : {2u, 1u, 0u}) {
        events.Tick(IEventManager::kInfinite);
        EXPECT_EQ(left, events.getReplayList().size());
    }
    // Novel types are never registered: replay refuses to queue them.
    EXPECT_TRUE(events.queue(0).empty());
    EXPECT_TRUE(events.queue(1).empty());
}

TEST_F(EventLogFileTest, ReplayKeepsTheRecordedSpacing) {
    writeEventLog(file(), {stamped<NextTextEvent>(1000), stamped<NextTextEvent>(1100),
                           stamped<NextTextEvent>(1400)});
    advanceTime(5000);
    ASSERT_EQ("ok", load(file()));
    advanceTime(1);
    events.Tick(IEventManager::kInfinite);
    EXPECT_EQ(2u, events.getReplayList().size());
    advanceTime(99); // 100 ms since loading: not yet more than the 100 ms spacing
    events.Tick(IEventManager::kInfinite);
    EXPECT_EQ(2u, events.getReplayList().size());
    advanceTime(1);
    events.Tick(IEventManager::kInfinite);
    EXPECT_EQ(1u, events.getReplayList().size());
    advanceTime(299); // exactly the 400 ms spacing of the third
    events.Tick(IEventManager::kInfinite);
    EXPECT_EQ(1u, events.getReplayList().size());
    advanceTime(1);
    events.Tick(IEventManager::kInfinite);
    EXPECT_EQ(0u, events.getReplayList().size());
}

TEST_F(EventLogFileTest, ReplayedEventsOfRegisteredTypesAreQueuedAndLoggedAgain) {
    // Registering a novel type here stands in for a game that listens to it.
    events.RegisterEventType(NextTextEventType);
    auto recorder = std::make_shared<RecordingListener>();
    events.AddListener(recorder, NextTextEventType);
    events.loggingEnabled = true;
    writeEventLog(file(), {stamped<NextTextEvent>(0)});
    ASSERT_EQ("ok", load(file()));
    advanceTime(1);
    events.Tick(IEventManager::kInfinite); // queued by the replay, delivered in the same tick
    EXPECT_EQ(1u, recorder->heard.size());
    EXPECT_EQ(1u, events.getEventLog().size());
}

// --- the console command ---

namespace {
struct Printed {
    std::vector<std::wstring> lines;
    std::vector<bool> errors;
    std::function<void(const std::wstring&, bool)> sink() {
        return [this](const std::wstring& line, bool error) {
            lines.push_back(line);
            errors.push_back(error);
        };
    }
};
} // namespace

TEST_F(EventLogFileTest, LogCommandSwitchesLogging) {
    Printed printed;
    runLogCommand(events, L"on", printed.sink(), file());
    EXPECT_TRUE(events.loggingEnabled);
    runLogCommand(events, L"off", printed.sink(), file());
    EXPECT_FALSE(events.loggingEnabled);
    runLogCommand(events, L"ON", printed.sink(), file()); // words are exact
    runLogCommand(events, L"", printed.sink(), file());
    EXPECT_FALSE(events.loggingEnabled);
    EXPECT_EQ(2u, printed.lines.size());
}

TEST_F(EventLogFileTest, LogCommandSavesAndLoadsWithConfirmations) {
    events.RegisterEventType(NextTextEventType); // so that novel events reach the log
    events.AddListener(std::make_shared<RecordingListener>(), NextTextEventType);
    events.loggingEnabled = true;
    events.QueueEvent(stamped<NextTextEvent>(3));
    events.QueueEvent(stamped<NextTextEvent>(4));
    Printed printed;
    runLogCommand(events, L"save", printed.sink(), file());
    runLogCommand(events, L"load", printed.sink(), file());
    ASSERT_EQ(2u, printed.lines.size());
    EXPECT_FALSE(printed.errors[0]);
    EXPECT_FALSE(printed.errors[1]);
    EXPECT_NE(std::wstring::npos, printed.lines[0].find(L"Saved 2 events"));
    EXPECT_NE(std::wstring::npos, printed.lines[1].find(L"Loaded 2 events"));
    EXPECT_EQ((std::vector<uint32_t>{3, 4}), replayStamps());
}

TEST_F(EventLogFileTest, LogCommandReportsFailuresAndKeepsTheLists) {
    events.RegisterEventType(SetTimeEventType);
    events.AddListener(std::make_shared<RecordingListener>(), SetTimeEventType);
    events.loggingEnabled = true;
    events.QueueEvent(std::make_shared<Lumo::SetTimeEvent>(1, 2));
    Printed printed;
    runLogCommand(events, L"save", printed.sink(), file());
    runLogCommand(events, L"load", printed.sink(), file("absent.txt"));
    ASSERT_EQ(2u, printed.lines.size());
    EXPECT_TRUE(printed.errors[0]);
    EXPECT_TRUE(printed.errors[1]);
    EXPECT_NE(std::wstring::npos, printed.lines[0].find(L"Could not save the event log"));
    EXPECT_NE(std::wstring::npos, printed.lines[0].find(L"unregistered class"));
    EXPECT_NE(std::wstring::npos, printed.lines[1].find(L"Could not load the event log"));
    EXPECT_NE(std::wstring::npos, printed.lines[1].find(L"0 events read"));
    EXPECT_EQ(1u, events.getEventLog().size());
    EXPECT_TRUE(events.getReplayList().empty());
}

TEST_F(EventLogFileTest, LogCommandUsesEventlogTxtInTheWorkingFolder) {
    EXPECT_EQ(std::wstring(L"Eventlog.txt"), kEventLogFileName);
    const fs::path previous = fs::current_path();
    fs::current_path(folder.path());
    Printed printed;
    runLogCommand(events, L"save", printed.sink());
    fs::current_path(previous);
    EXPECT_TRUE(fs::exists(folder.path() / "Eventlog.txt"));
}
