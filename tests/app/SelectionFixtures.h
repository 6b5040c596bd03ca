#pragma once
// What the selection window's tests share: the demo catalogue opened once per test program (its
// currencies: 1 "руб." 1.0, 2 "EUR" 95.5, 3 "USD" 88.25), a settings object installed for the
// test, the program's number formats, order files written from their byte images, and the
// orders and selection folders.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "../common/TempDir.h"
#include "../documents/DocFixtures.h"
#include "catalogue/SqliteStore.h"
#include "catalogue/Tdm.h"
#include "common/Error.h"
#include "common/NumberFormat.h"
#include "common/ScriptedPrompter.h"
#include "settings/AppPaths.h"
#include "settings/Setup.h"

namespace ftf::test {

/// The demo catalogue, loaded and opened at the first use and kept until the program ends.
inline TDM& DemoTdm() {
    struct Holder {
        TempDir dir;
        std::unique_ptr<TDM> dm;
        Holder() {
            {
                SqliteStore store(dir.Str(), DbAlias::Catalog);
                store.LoadSqlFile(FTF_SOURCE_DIR "/data/demo/catalogue.sql");
            }
            dm = std::make_unique<TDM>();
            dm->ConfigureDatabase(dm->DB_Catalog, dir.Str());
            if (dm->OpenCatalog() != 0) throw FtfError("the demo catalogue did not open");
        }
    };
    static Holder holder;
    return *holder.dm;
}

inline void WriteFile(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// A position of `width` × `height` mm: one rectangular sash, or two sashes of half the width
/// side by side.
inline PositionData Pos(const std::string& no, const std::string& name, std::int32_t quantity,
                        std::int32_t width, std::int32_t height, bool twoSashes = false, bool checked = true) {
    PositionData p;
    p.checked = checked;
    p.posNo = no;
    p.posName = name;
    p.quantity = quantity;
    const std::int32_t w = width * 10, h = height * 10;
    if (twoSashes) {
        p.arrangement = 1;
        p.sash1.points = {{0, 0}, {w / 2, 0}, {w / 2, h}, {0, h}};
        p.sash2.points = {{w / 2, 0}, {w, 0}, {w, h}, {w / 2, h}};
    } else {
        p.arrangement = 2;
        p.sash1.points = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    }
    return p;
}

/// Folders, the settings object (currency 2, VAT 20, ten price group names) and a scripted
/// prompter for each test; the program's number formats for its duration.
class SelectionWindowTest : public ::testing::Test {
protected:
    SelectionWindowTest() {
        AppPaths().ClearPaths();  // no INI file: the settings object loads and saves nothing
        setup = std::make_unique<TftfSetup>();
        setup->CurCurrency = 2;
        setup->NDSTax = 20;
        for (int i = 1; i <= 10; ++i) setup->PriceGroupNames.push_back("Группа " + std::to_string(i));
        SetCurrentSetup(setup.get());
        std::filesystem::create_directories(ordersDir);
        std::filesystem::create_directories(selectionDir);
    }
    ~SelectionWindowTest() override { SetCurrentSetup(nullptr); }

    /// Writes an order file into the orders folder; returns its path.
    std::string PutOrder(const std::string& fileName, const std::string& no, std::vector<PositionData> positions) {
        OrderData d;
        d.requisites[0] = no;
        d.positions = std::move(positions);
        const std::string path = (std::filesystem::path(ordersDir) / fileName).string();
        WriteFile(path, OrderImage(d).bytes);
        return path;
    }

    TDM& dm = DemoTdm();
    TempDir root;
    std::string ordersDir = (root.Path() / "Orders").string();
    std::string selectionDir = (root.Path() / "Selection").string();
    ScopedNumberFormat formats{ProgramFormats()};
    ScriptedPrompter prompter;
    ScopedPrompter guard{prompter};
    std::unique_ptr<TftfSetup> setup;
};

}  // namespace ftf::test
