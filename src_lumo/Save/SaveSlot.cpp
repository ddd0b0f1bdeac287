#include "src_lumo/Save/SaveSlot.h"

#include "src_lumo/Save/SaveText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace Lumo {

namespace fs = std::filesystem;

namespace {

enum class Reading { MISSING, UNREADABLE, READ };

Reading readFile(const fs::path& path, std::string& text) {
    std::error_code code;
    if (!fs::exists(path, code))
        return Reading::MISSING;
    std::ifstream in(path, std::ios::binary);
    if (!in || fs::is_directory(path, code))
        return Reading::UNREADABLE;
    // One byte more than a save may have is enough to refuse it.
    text.resize(SaveText::kMaxBytes + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    return in.bad() ? Reading::UNREADABLE : Reading::READ;
}

// The whole text on the disk before the rename makes it the save.
bool writeDurably(const fs::path& path, const std::string& text, std::string& error) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
        error = "cannot write " + path.string() + ": " + std::strerror(errno);
        return false;
    }
    bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0 &&
                   fsync(fileno(out)) == 0;
    if (!written)
        error = "cannot write " + path.string() + ": " + std::strerror(errno);
    if (std::fclose(out) != 0 && written) {
        error = "cannot write " + path.string() + ": " + std::strerror(errno);
        written = false;
    }
    return written;
}

} // namespace

fs::path SaveSlot::backupPath() const { return fs::path(file.string() + ".bak"); }

fs::path SaveSlot::damagedPath(const fs::path& damaged) const {
    std::error_code code;
    const std::string base = damaged.string() + ".damaged";
    fs::path candidate = base;
    for (int n = 2; fs::exists(candidate, code) || fs::is_symlink(candidate, code); ++n)
        candidate = base + "-" + std::to_string(n);
    return candidate;
}

SaveSlot::Loaded SaveSlot::load() const {
    Loaded loaded;
    for (const fs::path& candidate : {file, backupPath()}) {
        std::string text;
        const Reading reading = readFile(candidate, text);
        if (reading == Reading::MISSING)
            continue;
        if (reading == Reading::UNREADABLE) {
            loaded.messages.push_back("the save " + candidate.string() + " cannot be read");
            continue;
        }
        SavedGame game;
        std::string problem;
        if (SaveText::read(text, game, problem)) {
            if (candidate != file)
                loaded.messages.push_back("using the backup " + candidate.string());
            loaded.game = std::move(game);
            return loaded;
        }
        const fs::path aside = damagedPath(candidate);
        std::error_code code;
        fs::rename(candidate, aside, code);
        loaded.messages.push_back("the save " + candidate.string() + " is damaged (" + problem + "); " +
                                  (code ? "it could not be moved aside: " + code.message()
                                        : "it was kept as " + aside.string()));
    }
    return loaded;
}

SaveSlot::Written SaveSlot::write(const SavedGame& game) const {
    Written written;
    std::string error;
    const fs::path temporary = file.string() + ".tmp";
    if (!writeDurably(temporary, SaveText::write(game), error)) {
        std::remove(temporary.c_str());
        written.messages.push_back(error);
        return written;
    }
    std::error_code code;
    if (fs::exists(file, code)) {
        // The save there was becomes the backup; a hard link keeps the save in place meanwhile.
        const fs::path backup = backupPath();
        fs::remove(backup, code);
        if (!code && link(file.c_str(), backup.c_str()) != 0)
            fs::copy_file(file, backup, fs::copy_options::overwrite_existing, code);
        // The morning is still worth saving; the player only learns that no earlier one is kept.
        if (code)
            written.messages.push_back("the game is saved, but the backup " + backup.string() +
                                       " could not be made: " + code.message());
    }
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        written.messages.push_back("cannot replace " + file.string() + ": " + std::strerror(errno));
        std::remove(temporary.c_str());
        return written;
    }
    written.saved = true;
    return written;
}

void SaveSlot::remove() const {
    std::error_code code;
    fs::remove(file, code);
    fs::remove(backupPath(), code);
}

} // namespace Lumo
