#pragma once
// Stands in for the shop's story moments and notes which were asked for, in order.
#include "src_lumo/Shop/IShopSequences.h"

#include <string>
#include <vector>

class RecordingShopSequences : public Lumo::IShopSequences {
public:
    void customerRefused() override { played.push_back("refused"); }
    void merchantTastedBoule() override { played.push_back("merchant chat"); }
    void goodDiscovered(int32_t kind) override { played.push_back("discovered " + std::to_string(kind)); }
    void merchantThanks() override { played.push_back("merchant thanks"); }
    void loafPanThanks() override { played.push_back("loaf pan thanks"); }
    void pipingBagThanks() override { played.push_back("piping bag thanks"); }

    std::vector<std::string> played;
};
