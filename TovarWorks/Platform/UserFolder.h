#pragma once
// An installed game's folder is read-only for its players. Such a game works in a folder of the
// player's own under the XDG data home instead: the shipped data is linked there and the files the
// game writes are copied there on first use, so every relative path of the data still holds and
// the game can save.
#include <filesystem>
#include <string>
#include <vector>

namespace TovarWorks {

class UserFolder {
public:
    // $XDG_DATA_HOME/<game> (an absolute XDG_DATA_HOME only, as the XDG rules say), else
    // $HOME/.local/share/<game>; empty when neither can be told.
    static std::filesystem::path locate(const std::string& gameName);

    // Makes the user folder mirror the shipped one: each shipped entry is linked, except the
    // writable files (paths relative to the shipped folder), which are copied when the user has
    // none yet; the folders on their way are real folders whose other entries are linked. Links
    // are renewed each time, so a moved or updated installation is followed; the user's own files
    // are never overwritten. False with a reason when something could not be made.
    static bool prepare(const std::filesystem::path& shipped, const std::filesystem::path& user,
                        const std::vector<std::string>& writableFiles, std::string& error);
};

} // namespace TovarWorks
