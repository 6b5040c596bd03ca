#include "settings/Setup.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include "common/Cp1251.h"
#include "common/Error.h"
#include "settings/AppPaths.h"
#include "settings/IniFile.h"
#include "settings/RegistryStore.h"
#include "TestSupport.h"

namespace ftf {
namespace {

using test::ReadAll;
using test::RecordingPrompter;
using test::TempDir;
using test::WriteAll;

std::string Cp(const std::string& utf8) { return ToCp1251(utf8).bytes; }
std::string FixturePath() { return std::string(FTF_TEST_DATA) + "/settings/FTFurniture.ini"; }

// A configuration in a fresh folder: catalogue folder with the INI file, server folder, a memory
// registry and a recording prompter, all undone afterwards.
class SetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = AppPaths();
        AppPaths().ClearPaths();
        AppPaths().CatalogDir = dir_.File("catalog");
        AppPaths().ServerDir = dir_.File("server");
        AppPaths().ReportDir = dir_.File("reports");
        AppPaths().DeriveDirectories();
        std::filesystem::create_directories(AppPaths().CatalogDir);
        SetCurrentRegistry(registry_.get());
    }
    void TearDown() override {
        SetCurrentRegistry(nullptr);
        AppPaths() = saved_;
    }
    const std::string& Ini() const { return AppPaths().IniFileName; }
    void WriteIni(const std::string& utf8) { WriteAll(Ini(), Cp(utf8)); }
    void CopyFixture() { std::filesystem::copy_file(FixturePath(), Ini()); }

    TempDir dir_;
    std::unique_ptr<RegistryStore> registry_ = NewMemoryRegistry();
    RecordingPrompter prompter_;
    ScopedPrompter scoped_{prompter_};
    AppPathsRecord saved_;
};

TEST_F(SetupTest, LoadsEveryGroupFromTheCp1251File) {
    CopyFixture();
    TftfSetup s;
    ASSERT_TRUE(s.Loaded);
    EXPECT_EQ(s.FirmName, "ООО \"Окна Севера\"");
    EXPECT_EQ(s.FirmLogo, "C:\\Fentorn\\logo.bmp");
    EXPECT_EQ(s.FirmAddress, "г. Вологда, ул. Ленина, 1");
    EXPECT_EQ(s.FirmJustAddress, "г. Вологда, ул. Мира, 2");
    EXPECT_EQ(s.FirmZipCode, "8172");
    EXPECT_EQ(s.FirmPhone1, "72-10-10");
    EXPECT_EQ(s.FirmPhone2, "72-10-11");
    EXPECT_EQ(s.FirmPhone3, "");
    EXPECT_EQ(s.FirmFax, "72-10-12");
    EXPECT_EQ(s.FirmEMail, "okna@example.ru");
    EXPECT_EQ(s.FirmInternet, "www.example.ru");
    EXPECT_EQ(s.FirmINN, "3525000000");
    EXPECT_EQ(s.FirmAccount, "р/с 40702810000000000000");
    EXPECT_EQ(s.FirmDirector, "Иванов И. И.");
    EXPECT_EQ(s.FirmBookKeeper, "Петрова Ё. П.");
    EXPECT_EQ(s.CurCurrency, 2);
    EXPECT_FLOAT_EQ(s.NDSTax, 20.5f);
    EXPECT_FALSE(s.TotalNDS);
    EXPECT_FALSE(s.ShowIncludingNDS);
    EXPECT_EQ(s.PriceGrpNo, 3);
    ASSERT_EQ(s.PriceGroupNames.size(), 10u);
    EXPECT_EQ(s.PriceGroupNames[0], "Розница");
    EXPECT_EQ(s.PriceGroupNames[9], "Группа 10");
    EXPECT_EQ(s.DefProfSys, "KBE58");
    EXPECT_EQ(s.DefFurnSys, "ROTO NT");
    EXPECT_EQ(s.DefFurnSysGroup, 1);
    EXPECT_EQ(s.DefInnerProfColor, "Белый");
    EXPECT_EQ(s.DefOuterProfColor, "Дуб");
    EXPECT_EQ(s.DefFurnColor, "Серебро");
    EXPECT_EQ(s.DefHandle, "ROTO-Line");
    EXPECT_EQ(s.DefMaterial, 2);
    EXPECT_EQ(s.DefFalzType, 3);
    EXPECT_EQ(s.DefDornType, 4);
    EXPECT_EQ(s.DefStulpFalzType, 5);
    EXPECT_EQ(s.DefFlugelType, 6);
    EXPECT_FLOAT_EQ(s.DefProfWidth, 58.5f);
    EXPECT_FLOAT_EQ(s.DefProfThickness, 70.25f);
    EXPECT_FALSE(s.UserDefineHeight);
    EXPECT_EQ(s.ReportLogo, "C:\\Fentorn\\report.emf");
    EXPECT_EQ(s.ftpHost, "ftp.example.ru");
    EXPECT_EQ(s.ftpPort, 2121);
    EXPECT_EQ(s.ftpUserName, "Дилер");  // hex of the Windows-1251 bytes
    EXPECT_EQ(s.ftpPassword, "secret");
    EXPECT_EQ(s.ftpDir, "/orders");
    EXPECT_TRUE(s.ftpUpload);
    EXPECT_EQ(s.FirmPhones(), "8172 72-10-10,72-10-11,72-10-12");
    EXPECT_TRUE(prompter_.errors.empty());
    EXPECT_GT(prompter_.maxBusyDepth, 0);
    EXPECT_EQ(prompter_.busyDepth, 0);
}

TEST_F(SetupTest, MissingKeysTakeTheirDefaults) {
    WriteIni("[Firm]\r\nName=X\r\n");
    TftfSetup s;
    ASSERT_TRUE(s.Loaded);
    EXPECT_EQ(s.FirmName, "X");
    EXPECT_EQ(s.ftpPort, 21);
    EXPECT_EQ(s.DefMaterial, 1);
    EXPECT_FLOAT_EQ(s.NDSTax, 18.f);
    EXPECT_TRUE(s.TotalNDS);
    EXPECT_TRUE(s.ShowIncludingNDS);
    EXPECT_TRUE(s.UserDefineHeight);
    EXPECT_FALSE(s.ftpUpload);
    EXPECT_EQ(s.CurCurrency, 0);
    EXPECT_EQ(s.PriceGrpNo, 0);
    EXPECT_FLOAT_EQ(s.DefProfWidth, 0.f);
    EXPECT_EQ(s.ftpUserName, "");
    ASSERT_EQ(s.PriceGroupNames.size(), 10u);
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(s.PriceGroupNames[n - 1], "?????? #" + std::to_string(n));
    // An empty registry key: every option on, window states 0, design form 640 x 480.
    EXPECT_TRUE(s.AlertIfNotFull && s.AutoReg && s.AutoOpenReg && s.MoveToRecycled && s.AutoLoadCurrency);
    EXPECT_EQ(s.DovuruzadMainWinState, 0);
    EXPECT_EQ(s.DovuruzadOrderWinState, 0);
    EXPECT_EQ(s.DovuruzadDesignWinState, 0);
    EXPECT_EQ(s.DovuruzadDesignFormW, 640);
    EXPECT_EQ(s.DovuruzadDesignFormH, 480);
    EXPECT_TRUE(registry_->KeyExists(kSetupRegistryKey));  // opened with create
}

TEST_F(SetupTest, VatRateText) {
    struct Case {
        const char* line;  // the Tax section's line, or nothing
        float value;
    } cases[] = {
        {"NDSTax=1 8", 18.f}, {"NDSTax=", 0.f},    {"NDSTax=   ", 0.f}, {"NDSTax=18,5", 18.5f},
        {"NDSTax=18.5", 18.5f}, {"NDSTax= 2 0 , 5 ", 20.5f}, {"", 18.f},
    };
    for (const Case& c : cases) {
        WriteIni(std::string("[Tax]\r\n") + c.line + "\r\n");
        TftfSetup s;
        EXPECT_FLOAT_EQ(s.NDSTax, c.value) << c.line;
        s.Loaded = false;  // keep the file as written for the next case
    }
    // A rate that is no number stops loading with a message naming the value and the file.
    for (const char* bad : {"NDSTax=двадцать", "NDSTax=18,5.1"}) {
        WriteIni(std::string("[Tax]\r\n") + bad + "\r\n");
        try {
            TftfSetup s;
            ADD_FAILURE() << "loaded " << bad;
        } catch (const FtfError& e) {
            EXPECT_NE(std::string(e.what()).find(Ini()), std::string::npos) << e.what();
        }
    }
}

TEST_F(SetupTest, MissingIniFileLoadsNothingAndSavesNothing) {
    registry_->WriteInteger(kSetupRegistryKey, "AutoReg", 0);
    {
        TftfSetup s;
        EXPECT_FALSE(s.Loaded);
        EXPECT_TRUE(s.AutoReg == false && s.AutoOpenReg == false);  // the registry was not read
        EXPECT_TRUE(s.PriceGroupNames.empty());
        s.FirmName = "changed";
    }
    EXPECT_FALSE(std::filesystem::exists(Ini()));
    EXPECT_FALSE(std::filesystem::exists(AppPaths().ServerDir));
    EXPECT_FALSE(registry_->ValueExists(kSetupRegistryKey, "AutoOpenReg"));

    AppPaths().IniFileName.clear();
    TftfSetup empty;
    EXPECT_FALSE(empty.Loaded);
}

TEST_F(SetupTest, RegistryValuesAreReadAndABadOneSpoilsOnlyItself) {
    WriteIni("[Firm]\r\n");
    registry_->WriteInteger(kSetupRegistryKey, "DovuruzadMainWinState", 2);
    registry_->WriteInteger(kSetupRegistryKey, "DovuruzadDesignFormW", 800);
    registry_->WriteInteger(kSetupRegistryKey, "AutoOpenReg", 0);
    registry_->WriteString(kSetupRegistryKey, "AutoReg", "yes");  // wrong type
    registry_->WriteInteger(kSetupRegistryKey, "AutoLoadCurrency", 0);
    TftfSetup s;
    EXPECT_EQ(s.DovuruzadMainWinState, 2);
    EXPECT_EQ(s.DovuruzadDesignFormW, 800);
    EXPECT_EQ(s.DovuruzadDesignFormH, 480);
    EXPECT_FALSE(s.AutoOpenReg);
    EXPECT_TRUE(s.AutoReg);  // its default
    EXPECT_FALSE(s.AutoLoadCurrency);  // read after the bad value
    ASSERT_EQ(prompter_.errors.size(), 1u);
    EXPECT_EQ(prompter_.errors[0].rfind("Ошибка чтения из системного реестра!\r\n(", 0), 0u);
    EXPECT_NE(prompter_.errors[0].find("AutoReg"), std::string::npos);
    s.Loaded = false;
}

TEST_F(SetupTest, SavingWritesEveryGroupAndLeavesReadOnlyKeysAlone) {
    CopyFixture();
    const std::string original = ReadAll(Ini());
    {
        TftfSetup s;
        ASSERT_TRUE(s.Loaded);
        s.FirmName = "ИП Сидоров";
        s.FirmPhone3 = "72-10-13";
        s.FirmBookKeeper = "";
        s.CurCurrency = 5;
        s.NDSTax = 10.5f;
        s.DefProfSys = "VEKA";
        s.DefMaterial = 9;
        s.DefProfWidth = 60.f;
        s.DefProfThickness = 0.1f;
        s.ftpHost = "ftp.new.ru";
        s.ftpPort = 21;
        s.ftpUserName = "ab";
        s.ftpPassword = "пароль";
        s.ftpUpload = false;
        // Read-only values changed in memory never reach the file.
        s.TotalNDS = true;
        s.UserDefineHeight = true;
        s.ReportLogo = "other.bmp";
        s.PriceGroupNames[0] = "changed";
        s.DefFurnSysGroup = 0;
        s.DovuruzadMainWinState = 2;
        s.DovuruzadOrderWinState = 1;
        s.MoveToRecycled = false;
    }
    EXPECT_TRUE(prompter_.errors.empty());
    IniFile ini(Ini());
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString("Firm", "Name", ""), "ИП Сидоров");
    EXPECT_EQ(ini.ReadString("Firm", "Phone3", ""), "72-10-13");
    EXPECT_EQ(ini.ReadString("Firm", "BookKeeper", "?"), "");
    EXPECT_EQ(ini.ReadString("Money", "CurCurrency", ""), "5");
    EXPECT_EQ(ini.ReadString("Tax", "NDSTax", ""), "10,5");
    EXPECT_EQ(ini.ReadString("Defaults", "DefProfSys", ""), "VEKA");
    EXPECT_EQ(ini.ReadString("Defaults", "DefMaterial", ""), "9");
    EXPECT_EQ(ini.ReadString("Defaults", "DefProfWidth", ""), "60");
    EXPECT_EQ(ini.ReadString("Defaults", "DefProfThickness", ""), "0,1");
    EXPECT_EQ(ini.ReadString("FTP", "ftpUserName", ""), "6162");
    EXPECT_EQ(ini.ReadString("FTP", "ftpPassword", ""), "efe0f0eeebfc");
    EXPECT_EQ(ini.ReadString("FTP", "ftpUpload", ""), "0");
    // Read-only keys, the unchanged price group and keys the program does not know keep their lines.
    for (const char* line : {"TotalNDS=0\r\n", "ShowIncludingNDS=0\r\n", "PriceGrpNo=3\r\n", "1=Розница\r\n",
                             "DefFurnSysGroup=1\r\n", "UserDefineHeight=0\r\n",
                             "Logo=C:\\Fentorn\\report.emf\r\n",
                             "; ключ, которого программа не знает, должен остаться\r\nDefGlass=4-16-4\r\n",
                             "[Unknown]\r\nAnything=остаётся как есть\r\n",
                             "; Настройки фирмы и заказов по умолчанию\r\n"})
        EXPECT_NE(ReadAll(Ini()).find(Cp(line)), std::string::npos) << line;
    // Nothing was appended: every written key already had its line.
    const std::string saved = ReadAll(Ini());
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), std::count(original.begin(), original.end(), '\n'));

    EXPECT_EQ(registry_->ReadInteger(kSetupRegistryKey, "DovuruzadMainWinState"), 2);
    EXPECT_EQ(registry_->ReadInteger(kSetupRegistryKey, "DovuruzadOrderWinState"), 1);
    EXPECT_EQ(registry_->ReadInteger(kSetupRegistryKey, "DovuruzadDesignFormW"), 640);
    EXPECT_EQ(registry_->ReadInteger(kSetupRegistryKey, "MoveToRecycled"), 0);
    EXPECT_EQ(registry_->ReadInteger(kSetupRegistryKey, "AutoReg"), 1);

    // And a second run reads back what the first saved.
    TftfSetup again;
    EXPECT_EQ(again.FirmName, "ИП Сидоров");
    EXPECT_FLOAT_EQ(again.NDSTax, 10.5f);
    EXPECT_FLOAT_EQ(again.DefProfThickness, 0.1f);
    EXPECT_EQ(again.ftpUserName, "ab");
    EXPECT_EQ(again.ftpPassword, "пароль");
    EXPECT_EQ(again.DovuruzadMainWinState, 2);
    EXPECT_FALSE(again.MoveToRecycled);
    EXPECT_TRUE(again.AlertIfNotFull);
    EXPECT_FALSE(again.TotalNDS);
    again.Loaded = false;
}

TEST_F(SetupTest, ChangedPriceGroupIsSavedAndMissingKeysAreAdded) {
    WriteIni("[Firm]\r\nName=X\r\n");
    { TftfSetup s; }
    IniFile first(Ini());
    ASSERT_TRUE(first.Load());
    EXPECT_FALSE(first.ValueExists("Tax", "PriceGrpNo"));  // unchanged: not written
    EXPECT_TRUE(first.ValueExists("Tax", "NDSTax"));
    {
        TftfSetup s;
        s.PriceGrpNo = 4;
    }
    TftfSetup again;
    EXPECT_EQ(again.PriceGrpNo, 4);
    EXPECT_EQ(again.FirmName, "X");
    EXPECT_EQ(again.ftpPort, 21);
    IniFile ini(Ini());
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"Firm", "Defaults", "Money", "Tax", "FTP"}));
    EXPECT_FALSE(ini.ValueExists("Tax", "TotalNDS"));
    EXPECT_FALSE(ini.SectionExists("PriceGroupNames"));
    again.Loaded = false;
}

TEST_F(SetupTest, AValueTheFileCannotHoldIsReportedAndTheOthersAreSaved) {
    WriteIni("[Firm]\r\nName=X\r\n");
    {
        TftfSetup s;
        s.FirmName = "Fenster 中";
        s.FirmDirector = "Иванов";
    }
    ASSERT_EQ(prompter_.errors.size(), 1u);
    EXPECT_EQ(prompter_.errors[0].rfind("Ошибка записи файла настроек!\r\n(", 0), 0u);
    IniFile ini(Ini());
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString("Firm", "Name", ""), "X");
    EXPECT_EQ(ini.ReadString("Firm", "Director", ""), "Иванов");
}

TEST_F(SetupTest, DataDirectoriesAreCreatedAndRecycledIsHiddenOnce) {
    WriteIni("[Firm]\r\n");
    {
        TftfSetup s;
        ASSERT_TRUE(s.Loaded);
    }
    for (const std::string* d : {&AppPaths().ServerDir, &AppPaths().OrdersDir, &AppPaths().RecycledDir,
                                 &AppPaths().ArchiveDir, &AppPaths().SelectionDir, &AppPaths().ReportDir,
                                 &AppPaths().ExportDir})
        EXPECT_TRUE(std::filesystem::is_directory(*d)) << *d;
    EXPECT_FALSE(std::filesystem::exists(AppPaths().RegistryDir));
    const std::string hidden = AppPaths().ServerDir + "/.hidden";
    EXPECT_EQ(ReadAll(hidden), "Recycled\n");

    // A second run finds the folder there and lists it no second time, even when it was recreated.
    { TftfSetup s; }
    EXPECT_EQ(ReadAll(hidden), "Recycled\n");
    std::filesystem::remove(AppPaths().RecycledDir);
    WriteAll(hidden, "Other");
    { TftfSetup s; }
    EXPECT_EQ(ReadAll(hidden), "Other\nRecycled\n");
    std::filesystem::remove(AppPaths().RecycledDir);
    { TftfSetup s; }
    EXPECT_EQ(ReadAll(hidden), "Other\nRecycled\n");

    // A folder that existed before is not hidden by us.
    std::filesystem::remove(hidden);
    { TftfSetup s; }
    EXPECT_FALSE(std::filesystem::exists(hidden));
}

TEST_F(SetupTest, EmptyServerDirCreatesNothingBesideTheReportDir) {
    WriteIni("[Firm]\r\n");
    AppPaths().ServerDir.clear();
    AppPaths().DeriveDirectories();
    EXPECT_TRUE(AppPaths().OrdersDir.empty());
    TftfSetup s;
    EXPECT_TRUE(s.Loaded);
    EXPECT_TRUE(std::filesystem::is_directory(AppPaths().ReportDir));
    std::size_t entries = 0;
    for (auto& e : std::filesystem::directory_iterator(dir_.Path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 2u);  // catalog and reports
    s.Loaded = false;
}

TEST_F(SetupTest, DirectoryThatCannotBeCreatedGivesTheSystemMessage) {
    WriteIni("[Firm]\r\nName=X\r\n");
    const std::string original = ReadAll(Ini());
    std::filesystem::create_directories(AppPaths().ServerDir);
    WriteAll(AppPaths().ServerDir + "/Archive", "a regular file");
    try {
        TftfSetup s;
        ADD_FAILURE() << "loaded";
    } catch (const FtfError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Не удалось создать папку " + AppPaths().ArchiveDir + "\r\n(", 0), 0u)
            << e.what();
    }

    // A path below a regular file.
    std::filesystem::remove(AppPaths().ServerDir + "/Archive");
    WriteAll(dir_.File("blocker"), "x");
    AppPaths().ServerDir = dir_.File("blocker") + "/server";
    AppPaths().DeriveDirectories();
    AppPaths().IniFileName = dir_.File("catalog/FTFurniture.ini");
    TftfSetup* made = nullptr;
    try {
        made = new TftfSetup;
        ADD_FAILURE() << "loaded";
    } catch (const FtfError& e) {
        std::string what = e.what();
        EXPECT_EQ(what.rfind("Не удалось создать папку " + AppPaths().ServerDir, 0), 0u) << what;
        EXPECT_NE(what.find(std::strerror(ENOTDIR)), std::string::npos) << what;
    }
    delete made;
    EXPECT_EQ(ReadAll(Ini()), original);  // nothing was saved
}

TEST_F(SetupTest, RegistryWriteFailureIsShownAndTheIniIsStillSaved) {
    WriteIni("[Firm]\r\nName=X\r\n");
    WriteAll(dir_.File("blocker"), "x");
    auto unwritable = OpenFileRegistry(dir_.File("blocker") + "/fentorn/registry.ini");
    SetCurrentRegistry(unwritable.get());
    {
        TftfSetup s;
        s.FirmName = "Y";
    }
    ASSERT_EQ(prompter_.errors.size(), 1u);
    EXPECT_EQ(prompter_.errors[0].rfind("Ошибка записи в системный реестр!\r\n(", 0), 0u);
    IniFile ini(Ini());
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString("Firm", "Name", ""), "Y");
    SetCurrentRegistry(registry_.get());
}

TEST(SetupHex, EncodingOfTheFtpAccount) {
    EXPECT_EQ(EncodeSetupHex("ab"), "6162");
    EXPECT_EQ(EncodeSetupHex(""), "");
    EXPECT_EQ(EncodeSetupHex("Жё"), "c6b8");  // the Windows-1251 bytes
    EXPECT_THROW(EncodeSetupHex("中"), FtfError);
    struct Case {
        const char* hex;
        std::string text;
    } cases[] = {
        {"6162", "ab"}, {"6G", "\x60"}, {"C6B8", "Жё"}, {"c6b8", "Жё"}, {"616", "a"},
        {"", ""},       {"zz41", std::string("\0A", 2)},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeSetupHex(c.hex), c.text) << c.hex;
}

TEST(SetupFirmPhones, JoinsTheNonEmptyNumbers) {
    struct Case {
        const char* zip;
        const char* p1;
        const char* p2;
        const char* p3;
        const char* fax;
        const char* expected;
    } cases[] = {
        {"17", "111", "222", "", "", "17 111,222"},
        {"17", "", "", "", "999", "17 999"},
        {"17", "", "", "", "", ""},
        {"", "111", "", "333", "999", " 111,333,999"},
        {"8172", "1", "2", "3", "4", "8172 1,2,3,4"},
    };
    for (const Case& c : cases) {
        AppPathsRecord saved = AppPaths();
        AppPaths().IniFileName.clear();
        TftfSetup s;
        AppPaths() = saved;
        s.FirmZipCode = c.zip;
        s.FirmPhone1 = c.p1;
        s.FirmPhone2 = c.p2;
        s.FirmPhone3 = c.p3;
        s.FirmFax = c.fax;
        EXPECT_EQ(s.FirmPhones(), c.expected);
    }
}

TEST(SetupContext, CurrencyContextAndCurrentObject) {
    AppPathsRecord saved = AppPaths();
    AppPaths().IniFileName.clear();
    {
        TftfSetup s;
        EXPECT_EQ(CurrentSetup(), nullptr);
        SetCurrentSetup(&s);
        EXPECT_EQ(CurrentSetup(), &s);
        EXPECT_FALSE(s.DebugMode);
        EXPECT_EQ(s.ActiveCurrencyList, nullptr);

        TftfCurrencyList rates{{1, 1.f}, {2, 92.5f}, {2, 7.f}};
        s.SetActiveCurrency(&rates, 2, 20.f);
        EXPECT_EQ(s.ActiveCurrencyList, &rates);
        EXPECT_EQ(s.ActiveCurrencyID, 2);
        EXPECT_FLOAT_EQ(s.ActiveNDSTax, 20.f);
        const TftfCurrencyItem* item = FindCurrencyItem(*s.ActiveCurrencyList, s.ActiveCurrencyID);
        ASSERT_NE(item, nullptr);
        EXPECT_FLOAT_EQ(item->Rate, 92.5f);  // the first one with the code
        EXPECT_EQ(FindCurrencyItem(rates, 3), nullptr);
        s.SetActiveCurrency(nullptr, 0, 0);
        EXPECT_EQ(s.ActiveCurrencyList, nullptr);
        EXPECT_EQ(s.ActiveCurrencyID, 0);
    }
    EXPECT_EQ(CurrentSetup(), nullptr);  // the destroyed object uninstalled itself
    AppPaths() = saved;
}

}  // namespace
}  // namespace ftf
