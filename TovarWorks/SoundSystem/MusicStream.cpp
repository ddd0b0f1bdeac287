#include "TovarWorks/SoundSystem/MusicStream.h"

#include <mpg123.h>

#include <cstdio>
#include <cstring>

namespace TovarWorks {

namespace {

// Older libraries need this once; newer ones ignore it.
bool decoderLibraryReady() {
    static const bool ready = mpg123_init() == MPG123_OK;
    return ready;
}

// How far into a file a frame is searched for: a file that is no MP3 fails quickly.
constexpr long kResyncLimit = 4096;
// Reads that give nothing in a row before a stream counts as ended (a broken file, or a looping
// one that gives nothing after starting over) instead of spinning in the audio thread.
constexpr int kMaxIdleReads = 3;

} // namespace

std::unique_ptr<MusicStream> MusicStream::open(const std::string& fileName, int rate, int channels, bool loop) {
    if (!decoderLibraryReady() || (channels != 1 && channels != 2))
        return nullptr;
    int error = MPG123_OK;
    mpg123_handle* decoder = mpg123_new(nullptr, &error);
    if (!decoder)
        return nullptr;
    // Gapless: the encoder's delay and padding are cut off, so a loop is sample-exact.
    mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
    mpg123_param(decoder, MPG123_RESYNC_LIMIT, kResyncLimit, 0.0);
    mpg123_format_none(decoder);
    long fileRate = 0;
    int fileChannels = 0;
    int encoding = 0;
    const bool opened =
        mpg123_format(decoder, rate, channels == 2 ? MPG123_STEREO : MPG123_MONO, MPG123_ENC_SIGNED_16) == MPG123_OK
        && mpg123_open(decoder, fileName.c_str()) == MPG123_OK
        && mpg123_getformat(decoder, &fileRate, &fileChannels, &encoding) == MPG123_OK;
    if (!opened) {
        mpg123_delete(decoder);
        return nullptr;
    }
    return std::unique_ptr<MusicStream>(new MusicStream(decoder, channels, loop));
}

MusicStream::MusicStream(mpg123_handle* streamDecoder, int streamChannels, bool looping)
    : decoder(streamDecoder), channels(streamChannels), loop(looping) {}

MusicStream::~MusicStream() { mpg123_delete(decoder); }

std::size_t MusicStream::read(int16_t* samples, std::size_t sampleCount) {
    auto* out = reinterpret_cast<unsigned char*>(samples);
    std::size_t wanted = sampleCount * sizeof(int16_t);
    int idleReads = 0;
    while (wanted > 0 && !ended.load()) {
        std::size_t done = 0;
        const int result = mpg123_read(decoder, out, wanted, &done);
        out += done;
        wanted -= done;
        idleReads = done > 0 ? 0 : idleReads + 1;
        if (idleReads >= kMaxIdleReads)
            ended = true;
        else if (result == MPG123_DONE && loop)
            mpg123_seek(decoder, 0, SEEK_SET);
        else if (result != MPG123_OK && result != MPG123_NEW_FORMAT)
            ended = true;
    }
    std::memset(out, 0, wanted);
    return sampleCount - wanted / sizeof(int16_t);
}

} // namespace TovarWorks
