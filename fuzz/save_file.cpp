// The save reader: a save is the one file of the game that a crash, a full disk or a curious
// player can leave in any state, and the game reads it at every start.
#include "ScratchFolder.h"
#include "src_lumo/Save/SaveSlot.h"
#include "src_lumo/Save/SaveText.h"

#include <cstdlib>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Lumo::SaveSlot slot(ScratchFolder::write(Lumo::SaveSlot::kFileName, data, size));
    const Lumo::SaveSlot::Loaded loaded = slot.load();
    if (loaded.game) {
        // What the reader takes, it must give back unchanged: the game plays and saves it again.
        Lumo::SavedGame again;
        std::string problem;
        if (!Lumo::SaveText::read(Lumo::SaveText::write(*loaded.game), again, problem) || !(again == *loaded.game))
            std::abort();
    } else if (loaded.messages.empty()) {
        std::abort(); // a refused save is always told
    }
    // A refused input was moved aside; the next one starts in an empty folder again.
    std::error_code code;
    for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder::path(), code))
        std::filesystem::remove(entry.path(), code);
    return 0;
}
