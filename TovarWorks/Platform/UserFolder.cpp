#include "TovarWorks/Platform/UserFolder.h"

#include <cstdlib>
#include <set>

namespace TovarWorks {

namespace fs = std::filesystem;

namespace {

class Mirror {
public:
    Mirror(const std::vector<std::string>& writableFiles, std::string& error) : error(error) {
        for (const std::string& file : writableFiles) {
            const fs::path relative = fs::path(file).lexically_normal();
            writable.insert(relative);
            for (fs::path folder = relative.parent_path(); !folder.empty(); folder = folder.parent_path())
                realFolders.insert(folder);
        }
    }

    bool folder(const fs::path& shipped, const fs::path& user, const fs::path& relative) {
        std::error_code code;
        if (fs::is_symlink(user, code) && !fs::remove(user, code))
            return fail("cannot replace the link ", user, code);
        if (!fs::is_directory(user, code) && !fs::create_directories(user, code))
            return fail("cannot make the folder ", user, code);
        fs::directory_iterator entries(shipped, code);
        if (code)
            return fail("cannot read ", shipped, code);
        for (const fs::directory_entry& entry : entries) {
            const fs::path name = entry.path().filename();
            const fs::path inside = relative / name;
            const bool done = writable.count(inside)      ? copy(entry.path(), user / name)
                              : realFolders.count(inside) ? folder(entry.path(), user / name, inside)
                                                          : link(fs::absolute(entry.path()), user / name);
            if (!done)
                return false;
        }
        return true;
    }

private:
    bool copy(const fs::path& shipped, const fs::path& user) {
        std::error_code code;
        // A link left by an older installation gives way to the user's own copy.
        if (fs::is_symlink(user, code) && !fs::remove(user, code))
            return fail("cannot replace the link ", user, code);
        if (fs::exists(user, code))
            return true;
        if (!fs::copy_file(shipped, user, code))
            return fail("cannot copy to ", user, code);
        // The copy must be the user's to change, whatever the shipped file's mode.
        fs::permissions(user, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, code);
        return true;
    }

    bool link(const fs::path& shipped, const fs::path& user) {
        std::error_code code;
        const fs::file_status status = fs::symlink_status(user, code);
        if (fs::is_symlink(status)) {
            if (fs::read_symlink(user, code) == shipped)
                return true;
            if (!fs::remove(user, code))
                return fail("cannot replace the link ", user, code);
        } else if (fs::exists(status)) {
            return true; // the user's own file or folder stays
        }
        fs::create_symlink(shipped, user, code);
        return code ? fail("cannot link ", user, code) : true;
    }

    bool fail(const char* what, const fs::path& path, const std::error_code& code) {
        error = what + path.string() + ": " + code.message();
        return false;
    }

    std::set<fs::path> writable;
    std::set<fs::path> realFolders;
    std::string& error;
};

} // namespace

fs::path UserFolder::locate(const std::string& gameName) {
    const char* const dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && fs::path(dataHome).is_absolute())
        return fs::path(dataHome) / gameName;
    const char* const home = std::getenv("HOME");
    if (home && *home)
        return fs::path(home) / ".local" / "share" / gameName;
    return {};
}

bool UserFolder::prepare(const fs::path& shipped, const fs::path& user, const std::vector<std::string>& writableFiles,
                         std::string& error) {
    if (user.empty()) {
        error = "no home folder (neither XDG_DATA_HOME nor HOME is set)";
        return false;
    }
    Mirror mirror(writableFiles, error);
    return mirror.folder(shipped, user, fs::path());
}

} // namespace TovarWorks
