#include "RuntimeCopy.h"

#include "TovarWorks/Platform/UserFolder.h"
#include "src_lumo/Game/GameFolder.h"

#include <stdexcept>

RuntimeCopy::RuntimeCopy(const std::vector<std::string>& copies) {
    std::vector<std::string> ownFiles = Lumo::GameFolder::kWritableFiles;
    ownFiles.insert(ownFiles.end(), copies.begin(), copies.end());
    std::string error;
    if (!TovarWorks::UserFolder::prepare(KORNELO_RUNTIME_DIR, temp.path(), ownFiles, error))
        throw std::runtime_error(error);
}
