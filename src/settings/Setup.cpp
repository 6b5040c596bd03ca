#include "settings/Setup.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/Prompter.h"
#include "settings/AppPaths.h"
#include "settings/IniFile.h"
#include "settings/RegistryStore.h"

namespace ftf {
namespace {

namespace fs = std::filesystem;

TftfSetup* g_setup = nullptr;

// The fifteen firm keys in the order of the file's table (also the order they are saved in).
struct FirmKey {
    const char* key;
    std::string TftfSetup::*field;
};
const FirmKey kFirmKeys[] = {
    {"Name", &TftfSetup::FirmName},         {"Logo", &TftfSetup::FirmLogo},
    {"Address", &TftfSetup::FirmAddress},   {"JustAddress", &TftfSetup::FirmJustAddress},
    {"ZipCode", &TftfSetup::FirmZipCode},   {"Phone1", &TftfSetup::FirmPhone1},
    {"Phone2", &TftfSetup::FirmPhone2},     {"Phone3", &TftfSetup::FirmPhone3},
    {"Fax", &TftfSetup::FirmFax},           {"EMail", &TftfSetup::FirmEMail},
    {"Internet", &TftfSetup::FirmInternet}, {"INN", &TftfSetup::FirmINN},
    {"Account", &TftfSetup::FirmAccount},   {"Director", &TftfSetup::FirmDirector},
    {"BookKeeper", &TftfSetup::FirmBookKeeper},
};

// VAT as the settings hold it: every blank goes ("1 8" is 18), nothing left means 0, and either
// decimal separator is taken. Anything else is an error that stops loading: a VAT rate guessed
// from a damaged file would go unnoticed into every new order.
float ParseNdsTax(const std::string& raw, const std::string& fileName) {
    std::string text;
    for (char c : raw)
        if (c != ' ') text += c;
    if (text.empty()) text = "0";
    std::optional<float> v = ParseIniReal(text);
    if (!v)
        throw FtfError("«" + raw + "» не является числом (ставка НДС, раздел Tax, ключ NDSTax, файл " +
                       fileName + ")");
    return *v;
}

}  // namespace

TftfSetup::TftfSetup() { LoadAll(); }

TftfSetup::~TftfSetup() {
    if (g_setup == this) g_setup = nullptr;
    if (!Loaded) return;
    try {
        SaveRegistry();
        SaveIni();
    } catch (const std::exception& e) {
        // Both report their own errors; this only keeps an unexpected one out of a destructor.
        ShowError(e.what());
    }
}

bool TftfSetup::LoadAll() {
    Loaded = false;
    const AppPathsRecord& paths = AppPaths();
    std::error_code ec;
    if (paths.IniFileName.empty() || !fs::exists(paths.IniFileName, ec)) return false;
    LoadIni();
    LoadRegistry();
    const std::string* dirs[] = {&paths.ServerDir,  &paths.OrdersDir,    &paths.RecycledDir,
                                 &paths.ArchiveDir, &paths.SelectionDir, &paths.ReportDir,
                                 &paths.ExportDir};
    for (const std::string* dir : dirs) {
        if (dir->empty()) continue;
        bool created = CreateDataDirectory(*dir);
        if (created && dir == &paths.RecycledDir) MarkFolderHidden(*dir);
    }
    Loaded = true;
    return Loaded;
}

void TftfSetup::LoadIni() {
    BusyCursor busy;
    IniFile ini(AppPaths().IniFileName);
    if (!ini.Load()) throw FtfError(ini.ErrorString());

    for (const FirmKey& k : kFirmKeys) this->*k.field = ini.ReadString("Firm", k.key, "");

    CurCurrency = ini.ReadInteger("Money", "CurCurrency", 0);

    NDSTax = ParseNdsTax(ini.ReadString("Tax", "NDSTax", "18"), ini.FileName());
    TotalNDS = ini.ReadBool("Tax", "TotalNDS", true);
    ShowIncludingNDS = ini.ReadBool("Tax", "ShowIncludingNDS", true);
    PriceGrpNo = ini.ReadInteger("Tax", "PriceGrpNo", 0);
    loadedPriceGrpNo_ = PriceGrpNo;

    PriceGroupNames.clear();
    for (int n = 1; n <= 10; ++n) {
        char def[32];
        std::snprintf(def, sizeof def, "?????? #%d", n);
        PriceGroupNames.push_back(ini.ReadString("PriceGroupNames", std::to_string(n), def));
    }

    DefProfSys = ini.ReadString("Defaults", "DefProfSys", "");
    DefFurnSys = ini.ReadString("Defaults", "DefFurnSys", "");
    DefFurnSysGroup = ini.ReadInteger("Defaults", "DefFurnSysGroup", 0);
    DefInnerProfColor = ini.ReadString("Defaults", "DefInnerProfColor", "");
    DefOuterProfColor = ini.ReadString("Defaults", "DefOuterProfColor", "");
    DefFurnColor = ini.ReadString("Defaults", "DefFurnColor", "");
    DefHandle = ini.ReadString("Defaults", "DefHandle", "");
    DefMaterial = ini.ReadInteger("Defaults", "DefMaterial", 1);
    DefFalzType = ini.ReadInteger("Defaults", "DefFalzType", 0);
    DefDornType = ini.ReadInteger("Defaults", "DefDornType", 0);
    DefStulpFalzType = ini.ReadInteger("Defaults", "DefStulpFalzType", 0);
    DefFlugelType = ini.ReadInteger("Defaults", "DefFlugelType", 0);
    DefProfWidth = ini.ReadFloat("Defaults", "DefProfWidth", 0);
    DefProfThickness = ini.ReadFloat("Defaults", "DefProfThickness", 0);
    UserDefineHeight = ini.ReadBool("Defaults", "UserDefineHeight", true);

    ReportLogo = ini.ReadString("Report", "Logo", "");

    ftpHost = ini.ReadString("FTP", "ftpHost", "");
    ftpPort = ini.ReadInteger("FTP", "ftpPort", 21);
    ftpUserName = DecodeSetupHex(ini.ReadString("FTP", "ftpUserName", ""));
    ftpPassword = DecodeSetupHex(ini.ReadString("FTP", "ftpPassword", ""));
    ftpDir = ini.ReadString("FTP", "ftpDir", "");
    ftpUpload = ini.ReadBool("FTP", "ftpUpload", false);
}

bool TftfSetup::LoadRegistry() {
    BusyCursor busy;
    // Defaults first: a value that cannot be read keeps its default rather than a zero that
    // would, say, switch every option off.
    DovuruzadMainWinState = 0;
    DovuruzadOrderWinState = 0;
    DovuruzadDesignWinState = 0;
    DovuruzadDesignFormW = 640;
    DovuruzadDesignFormH = 480;
    AlertIfNotFull = AutoReg = AutoOpenReg = MoveToRecycled = AutoLoadCurrency = true;

    std::string firstError;
    try {
        RegistryStore& reg = CurrentRegistry();
        reg.CreateKey(kSetupRegistryKey);
        // Each value on its own, so that one value of the wrong type spoils only itself.
        auto readInt = [&](const char* name, auto& field) {
            try {
                if (std::optional<std::int32_t> v = reg.ReadInteger(kSetupRegistryKey, name))
                    field = static_cast<std::remove_reference_t<decltype(field)>>(*v);
            } catch (const std::exception& e) {
                if (firstError.empty()) firstError = e.what();
            }
        };
        auto readBool = [&](const char* name, bool& field) {
            std::int32_t v = field ? 1 : 0;
            readInt(name, v);
            field = v != 0;
        };
        readInt("DovuruzadMainWinState", DovuruzadMainWinState);
        readInt("DovuruzadOrderWinState", DovuruzadOrderWinState);
        readInt("DovuruzadDesignWinState", DovuruzadDesignWinState);
        readInt("DovuruzadDesignFormW", DovuruzadDesignFormW);
        readInt("DovuruzadDesignFormH", DovuruzadDesignFormH);
        readBool("AlertIfNotFull", AlertIfNotFull);
        readBool("AutoReg", AutoReg);
        readBool("AutoOpenReg", AutoOpenReg);
        readBool("MoveToRecycled", MoveToRecycled);
        readBool("AutoLoadCurrency", AutoLoadCurrency);
    } catch (const std::exception& e) {
        if (firstError.empty()) firstError = e.what();
    }
    if (firstError.empty()) return true;
    ShowError("Ошибка чтения из системного реестра!\r\n(" + firstError + ")");
    return false;
}

bool TftfSetup::SaveRegistry() {
    BusyCursor busy;
    try {
        RegistryStore& reg = CurrentRegistry();
        reg.CreateKey(kSetupRegistryKey);
        reg.WriteInteger(kSetupRegistryKey, "DovuruzadMainWinState", DovuruzadMainWinState);
        reg.WriteInteger(kSetupRegistryKey, "DovuruzadOrderWinState", DovuruzadOrderWinState);
        reg.WriteInteger(kSetupRegistryKey, "DovuruzadDesignWinState", DovuruzadDesignWinState);
        reg.WriteInteger(kSetupRegistryKey, "DovuruzadDesignFormW", DovuruzadDesignFormW);
        reg.WriteInteger(kSetupRegistryKey, "DovuruzadDesignFormH", DovuruzadDesignFormH);
        reg.WriteInteger(kSetupRegistryKey, "AlertIfNotFull", AlertIfNotFull ? 1 : 0);
        reg.WriteInteger(kSetupRegistryKey, "AutoReg", AutoReg ? 1 : 0);
        reg.WriteInteger(kSetupRegistryKey, "AutoOpenReg", AutoOpenReg ? 1 : 0);
        reg.WriteInteger(kSetupRegistryKey, "MoveToRecycled", MoveToRecycled ? 1 : 0);
        reg.WriteInteger(kSetupRegistryKey, "AutoLoadCurrency", AutoLoadCurrency ? 1 : 0);
        reg.Flush();
    } catch (const std::exception& e) {
        ShowError(std::string("Ошибка записи в системный реестр!\r\n(") + e.what() + ")");
        return false;
    }
    return true;
}

bool TftfSetup::SaveIni() {
    BusyCursor busy;
    IniFile ini(AppPaths().IniFileName);
    std::vector<std::string> errors;
    // Every key on its own: a value the file cannot hold must not cost the others.
    auto guard = [&](auto&& write) {
        try {
            write();
        } catch (const std::exception& e) {
            std::string text = e.what();
            for (const std::string& seen : errors)
                if (seen == text) return;
            errors.push_back(text);
        }
    };
    auto str = [&](const char* section, const char* key, const std::string& v) {
        guard([&] { ini.WriteString(section, key, v); });
    };
    auto num = [&](const char* section, const char* key, std::int32_t v) {
        guard([&] { ini.WriteInteger(section, key, v); });
    };
    auto real = [&](const char* section, const char* key, float v) {
        guard([&] { ini.WriteFloat(section, key, v); });
    };

    str("Defaults", "DefProfSys", DefProfSys);
    str("Defaults", "DefInnerProfColor", DefInnerProfColor);
    str("Defaults", "DefOuterProfColor", DefOuterProfColor);
    str("Defaults", "DefFurnSys", DefFurnSys);
    str("Defaults", "DefFurnColor", DefFurnColor);
    str("Defaults", "DefHandle", DefHandle);
    num("Defaults", "DefMaterial", DefMaterial);
    num("Defaults", "DefFalzType", DefFalzType);
    num("Defaults", "DefStulpFalzType", DefStulpFalzType);
    num("Defaults", "DefFlugelType", DefFlugelType);
    num("Defaults", "DefDornType", DefDornType);
    real("Defaults", "DefProfWidth", DefProfWidth);
    real("Defaults", "DefProfThickness", DefProfThickness);
    num("Money", "CurCurrency", CurCurrency);
    real("Tax", "NDSTax", NDSTax);
    // The order dialog makes the edited price group the new default; keep that choice, but leave
    // the key alone when nothing changed it.
    if (PriceGrpNo != loadedPriceGrpNo_) num("Tax", "PriceGrpNo", PriceGrpNo);
    for (const FirmKey& k : kFirmKeys) str("Firm", k.key, this->*k.field);
    str("FTP", "ftpHost", ftpHost);
    num("FTP", "ftpPort", ftpPort);
    guard([&] { ini.WriteString("FTP", "ftpUserName", EncodeSetupHex(ftpUserName)); });
    guard([&] { ini.WriteString("FTP", "ftpPassword", EncodeSetupHex(ftpPassword)); });
    str("FTP", "ftpDir", ftpDir);
    guard([&] { ini.WriteBool("FTP", "ftpUpload", ftpUpload); });

    if (errors.empty()) {
        loadedPriceGrpNo_ = PriceGrpNo;
        return true;
    }
    std::string text;
    for (const std::string& e : errors) text += (text.empty() ? "" : "\r\n") + e;
    ShowError("Ошибка записи файла настроек!\r\n(" + text + ")");
    return false;
}

std::string TftfSetup::FirmPhones() const {
    std::string out;
    for (const std::string* phone : {&FirmPhone1, &FirmPhone2, &FirmPhone3, &FirmFax}) {
        if (phone->empty()) continue;
        out += out.empty() ? FirmZipCode + " " : ",";
        out += *phone;
    }
    return out;
}

void TftfSetup::SetActiveCurrency(const TftfCurrencyList* list, std::int32_t currencyId, float ndsTax) {
    ActiveCurrencyList = list;
    ActiveCurrencyID = currencyId;
    ActiveNDSTax = ndsTax;
}

TftfSetup* CurrentSetup() { return g_setup; }
void SetCurrentSetup(TftfSetup* setup) { g_setup = setup; }

std::string EncodeSetupHex(const std::string& text) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (char ch : ToCp1251(text).bytes) {
        unsigned char c = static_cast<unsigned char>(ch);
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string DecodeSetupHex(const std::string& hex) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return 0;
    };
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(digit(hex[i]) * 16 + digit(hex[i + 1]));
    return FromCp1251(bytes);
}

bool CreateDataDirectory(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    bool created = fs::create_directories(path, ec);
    if (ec) throw FtfError("Не удалось создать папку " + path + "\r\n(" + ec.message() + ")");
    return created;
}

bool MarkFolderHidden(const std::string& path) {
    fs::path dir = fs::path(path);
    if (!dir.has_filename()) dir = dir.parent_path();  // "a/b/" names b
    std::string name = dir.filename().string();
    fs::path list = dir.parent_path() / ".hidden";
    std::string content;
    {
        std::ifstream in(list, std::ios::binary);
        if (in) {
            std::ostringstream buf;
            buf << in.rdbuf();
            content = buf.str();
        }
    }
    std::istringstream lines(content);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == name) return true;
    }
    if (!content.empty() && content.back() != '\n') content += '\n';
    content += name + "\n";
    try {
        WriteFileSafely(list.string(), content);
    } catch (const FtfError&) {
        return false;  // a folder that is merely shown is no reason to stop
    }
    return true;
}

}  // namespace ftf
