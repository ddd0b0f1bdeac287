#pragma once
// Where messages go before the console exists. The game shows a dialog; tests record them.
#include <string>
#include <vector>

namespace TovarWorks {

class MessageOutput {
public:
    virtual ~MessageOutput() = default;
    virtual void show(const std::wstring& caption, const std::wstring& text) = 0;
};

// Writes "caption: text" to standard error, and also shows a dialog when a display is there.
// The dialog runs in a child process so that nothing ever waits for a click.
class DialogMessageOutput : public MessageOutput {
public:
    void show(const std::wstring& caption, const std::wstring& text) override;
};

class RecordingMessageOutput : public MessageOutput {
public:
    void show(const std::wstring& caption, const std::wstring& text) override {
        messages.push_back({caption, text});
    }
    struct Message {
        std::wstring caption;
        std::wstring text;
    };
    std::vector<Message> messages;
};

} // namespace TovarWorks
