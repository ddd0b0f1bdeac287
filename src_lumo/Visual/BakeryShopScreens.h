#pragma once
// The shop's five menus and the work at the table, wired to the bakery's items and rules: what
// each action opens, what each menu's answer does to money, stocks, items and customers, and the
// mixing and kneading that turn ingredients into a lump and a lump into a tray of goods.
#include "src_lumo/Items/ShopItemWorld.h"
#include "src_lumo/Shop/BarMenue.h"
#include "src_lumo/Shop/DoughMenue.h"
#include "src_lumo/Shop/MerchantMenue.h"
#include "src_lumo/Shop/SellMenue.h"
#include "src_lumo/Shop/StorageMenue.h"
#include "src_lumo/Visual/ShopScreens.h"

#include <memory>
#include <vector>

namespace Lumo {

class LumoVisual;

class BakeryShopScreens : public ShopScreens {
public:
    // Mixing a dough and kneading it each take this long.
    static constexpr uint32_t kWorkMillis = 3000;

    BakeryShopScreens(LumoVisual& visual, std::shared_ptr<ShopItemWorld> items);

    void updateScreen(int mode, const InputRecord& input) override;
    void drawScreen(int mode) override;
    void update(uint32_t elapsedMs) override;
    bool sellKey(const irr::SEvent& event) override;
    void openDoughMenu() override;
    void startKneading() override;
    void serveFirstCustomer() override;
    void openStorageMenu() override;
    void openMerchantMenu() override;
    void openBarMenu() override;

    const DoughMenue& getDoughMenu() const { return dough; }
    const StorageMenue& getStorageMenu() const { return storage; }
    const MerchantMenue& getMerchantMenu() const { return merchant; }
    const SellMenue& getSellMenu() const { return sell; }
    const BarMenue& getBarMenu() const { return bar; }
    // How far the work at the table has come, 0 to 1.
    float workProgress() const;

private:
    void answerDough(int32_t answer);
    void answerStorage(int32_t answer);
    void answerMerchant(int32_t answer);
    void answerSell(int32_t answer);
    void answerBar(int32_t answer);
    void startWork(int workMode);
    void finishMixing();
    void finishKneading();
    void showMenuDough();
    void close();

    LumoVisual& visual;
    std::shared_ptr<ShopItemWorld> items;
    DoughMenue dough;
    StorageMenue storage;
    MerchantMenue merchant;
    SellMenue sell;
    BarMenue bar;
    // The goods on display the customer at the counter is being offered.
    std::vector<VisualItemSinglePtr> offered;
    // The dough the menu made, waiting for the mixing to end.
    Dough mixed;
    uint32_t workElapsed = 0;
};

} // namespace Lumo
