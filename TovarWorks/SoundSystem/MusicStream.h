#pragma once
// An MP3 decoded a little at a time while it plays, instead of whole before: a piece of music
// decoded whole is about 15 MiB, and several play at once while they cross-fade. The decoder
// leaves out the encoder's padding, so a looping piece starts over on the very next sample.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct mpg123_handle_struct;

namespace TovarWorks {

class MusicStream {
public:
    // Null when the file cannot be opened or decoded. The samples come as signed 16 bit,
    // interleaved, at the given rate and number of channels (1 or 2).
    static std::unique_ptr<MusicStream> open(const std::string& fileName, int rate, int channels, bool loop);
    ~MusicStream();
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;

    // Fills the buffer; a looping stream goes on from its start, any other is silence past its
    // end. Returns how many samples were decoded (the rest is silence).
    std::size_t read(int16_t* samples, std::size_t sampleCount);
    // Played to its end (never for a looping stream). Safe to ask from another thread.
    bool atEnd() const { return ended.load(); }
    int getChannels() const { return channels; }

private:
    MusicStream(mpg123_handle_struct* decoder, int channels, bool loop);

    mpg123_handle_struct* decoder;
    const int channels;
    const bool loop;
    std::atomic<bool> ended{false};
};

} // namespace TovarWorks
