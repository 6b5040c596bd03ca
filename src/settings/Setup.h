#pragma once
// The one settings object of the process: the firm's requisites, the defaults of new orders, VAT
// and currency defaults, price-group names, FTP parameters (all in the configuration's
// FTFurniture.ini, shared by every user of the configuration), the user's options and window
// states (in the per-user registry), and a little run-time state shared by the windows: the
// active document's currency context and the debug switch.
//
// Fields are public and read and written directly; nothing reaches the disk before the object is
// destroyed (a loaded object saves itself then). Paths come from AppPaths(): IniFileName for the
// INI file, ServerDir and the directories under it for the folders created while loading.
//
// FTFurniture.ini (Windows-1251), section / key, default when missing; "ro" keys are only read,
// never written back, so whatever an installer or an editor put there stays:
//   Firm      Name Logo Address JustAddress ZipCode Phone1 Phone2 Phone3 Fax EMail Internet INN
//             Account Director BookKeeper                                  texts, empty
//   Money     CurCurrency                                                  integer, 0
//   Tax       NDSTax            real, "18"; blanks inside are dropped, "," or "." accepted,
//                               written with ","
//             TotalNDS, ShowIncludingNDS                                   boolean, true, ro
//             PriceGrpNo        integer, 0; written back only when changed during the run
//   PriceGroupNames  1 … 10     texts, "?????? #<n>", ro
//   Defaults  DefProfSys DefFurnSys DefInnerProfColor DefOuterProfColor DefFurnColor DefHandle
//             texts, empty; DefMaterial integer 1; DefFalzType DefDornType DefStulpFalzType
//             DefFlugelType integers 0; DefFurnSysGroup integer 0 ro; DefProfWidth
//             DefProfThickness reals 0; UserDefineHeight boolean true ro
//   Report    Logo                                                         text, empty, ro
//   FTP       ftpHost ftpDir texts; ftpPort integer 21; ftpUserName ftpPassword texts stored
//             hex-encoded (EncodeSetupHex); ftpUpload boolean false
// Booleans are integers in the file, non-zero meaning true; written "1" / "0".
//
// Registry key kSetupRegistryKey, value name = field name: the five window values as integers
// (defaults 0, 0, 0, 640, 480), the five options as integers 0/1 (default true).

#include <cstdint>
#include <string>
#include <vector>

#include "settings/CurrencyItem.h"

namespace ftf {

/// The per-user key of the options and window states.
inline constexpr const char* kSetupRegistryKey = "\\SoftWare\\Gravik\\Fentorn\\Furniture380";

class TftfSetup {
public:
    /// Loads (LoadAll); Loaded tells whether the INI file was there. Throws FtfError when the INI
    /// file cannot be read, NDSTax is no number, or a data directory cannot be created; nothing
    /// is saved then.
    TftfSetup();
    /// Saves the registry values and then the INI file when Loaded (errors are shown, never
    /// thrown). Clears CurrentSetup() when it points here.
    ~TftfSetup();
    TftfSetup(const TftfSetup&) = delete;
    TftfSetup& operator=(const TftfSetup&) = delete;

    /// The constructor's loading: nothing when IniFileName is empty or missing (Loaded false;
    /// the registry is not read either); else LoadIni, LoadRegistry, the missing data
    /// directories are created (ServerDir, OrdersDir, RecycledDir, ArchiveDir, SelectionDir,
    /// ReportDir, ExportDir; empty paths skipped; a new RecycledDir is listed in its parent's
    /// ".hidden" file), and Loaded := true. Returns Loaded. Throws as the constructor.
    bool LoadAll();
    /// Reads every key of the INI file with its default (busy cursor). Throws FtfError when the
    /// file cannot be read or NDSTax is no number.
    void LoadIni();
    /// Reads the registry values (busy cursor); a missing value takes its default. An error is
    /// shown as "Ошибка чтения из системного реестра!\r\n(%s)"; the values not yet read keep
    /// their defaults. Returns false after an error.
    bool LoadRegistry();
    /// Writes the ten registry values and flushes the store (busy cursor). An error is shown as
    /// "Ошибка записи в системный реестр!\r\n(%s)" and gives false.
    bool SaveRegistry();
    /// Writes the INI keys that are not read-only, one key at a time (busy cursor). Keys it does
    /// not write keep their lines. Errors are shown as
    /// "Ошибка записи файла настроек!\r\n(%s)" and give false; the other keys are still written.
    bool SaveIni();

    /// The firm's telephone line for reports: FirmZipCode, a blank and the non-empty ones of
    /// FirmPhone1..3 and FirmFax joined by ","; empty when all four are empty.
    std::string FirmPhones() const;

    // --- INI: firm requisites ---------------------------------------------------------------
    std::string FirmName;
    std::string FirmLogo;         ///< path of the logo picture
    std::string FirmAddress;      ///< postal address
    std::string FirmJustAddress;  ///< legal address
    std::string FirmZipCode;      ///< city dialling code, put in front of the phone numbers
    std::string FirmPhone1;
    std::string FirmPhone2;
    std::string FirmPhone3;
    std::string FirmFax;
    std::string FirmEMail;
    std::string FirmInternet;
    std::string FirmINN;
    std::string FirmAccount;
    std::string FirmDirector;
    std::string FirmBookKeeper;

    // --- INI: money, tax and price groups ----------------------------------------------------
    std::int32_t CurCurrency = 0;  ///< catalogue currency of new orders and selections
    float NDSTax = 0;              ///< VAT in percent of new orders and selections
    bool TotalNDS = false;         ///< read only
    bool ShowIncludingNDS = false; ///< read only
    std::int32_t PriceGrpNo = 0;   ///< price group of new orders
    /// Names of price groups 1 to 10 (index 0 is group 1); exactly ten after LoadIni. Read only.
    std::vector<std::string> PriceGroupNames;

    // --- INI: defaults of new orders ---------------------------------------------------------
    std::string DefProfSys;
    std::string DefFurnSys;
    std::int32_t DefFurnSysGroup = 0;  ///< 0 window, 1 door with threshold; read only
    std::string DefInnerProfColor;
    std::string DefOuterProfColor;
    std::string DefFurnColor;
    std::string DefHandle;
    std::int32_t DefMaterial = 0;
    std::int32_t DefFalzType = 0;
    std::int32_t DefDornType = 0;
    std::int32_t DefStulpFalzType = 0;
    std::int32_t DefFlugelType = 0;
    float DefProfWidth = 0;
    float DefProfThickness = 0;
    bool UserDefineHeight = false;  ///< read only
    std::string ReportLogo;         ///< read only

    // --- INI: FTP upload ---------------------------------------------------------------------
    std::string ftpHost;
    std::int32_t ftpPort = 0;
    std::string ftpUserName;  ///< plain text in memory, hex-encoded in the file
    std::string ftpPassword;  ///< plain text in memory, hex-encoded in the file
    std::string ftpDir;
    bool ftpUpload = false;

    // --- registry: window states and options -------------------------------------------------
    std::uint8_t DovuruzadMainWinState = 0;   ///< 0 normal, 1 minimised, 2 maximised
    std::uint8_t DovuruzadOrderWinState = 0;  ///< given to the first document window opened
    std::uint8_t DovuruzadDesignWinState = 0; ///< kept unchanged
    std::int32_t DovuruzadDesignFormW = 0;    ///< kept unchanged
    std::int32_t DovuruzadDesignFormH = 0;    ///< kept unchanged
    bool AlertIfNotFull = false;
    bool AutoReg = false;
    bool AutoOpenReg = false;
    bool MoveToRecycled = false;
    bool AutoLoadCurrency = false;

    // --- run time, not saved -----------------------------------------------------------------
    bool Loaded = false;     ///< the INI file existed when loading; only a loaded object saves
    bool DebugMode = false;  ///< mirrors the menu item "Режим отладки"
    /// The active document's currency context, set by the document windows when they become
    /// active and cleared (0, 0, nullptr) otherwise. The list is the document's: whoever frees
    /// the document clears this first.
    std::int32_t ActiveCurrencyID = 0;
    float ActiveNDSTax = 0;
    const TftfCurrencyList* ActiveCurrencyList = nullptr;

    /// Sets (or clears, with nullptr) the three fields of the currency context at once.
    void SetActiveCurrency(const TftfCurrencyList* list, std::int32_t currencyId, float ndsTax);

private:
    std::int32_t loadedPriceGrpNo_ = 0;  // PriceGrpNo as read, to write it back only when changed
};

/// The process's settings object, installed by the start-up sequence; nullptr when none.
TftfSetup* CurrentSetup();
/// Installs the settings object (not owned); nullptr uninstalls it.
void SetCurrentSetup(TftfSetup* setup);

/// Hex form of the FTP account and password: each Windows-1251 byte of the text as two
/// lower-case hex digits. Throws FtfError for a character the code page cannot hold.
std::string EncodeSetupHex(const std::string& text);
/// Reverse of EncodeSetupHex: two characters per byte, digits in either case, a character that is
/// no hex digit counting as 0; a lone last character is ignored. The bytes are Windows-1251.
std::string DecodeSetupHex(const std::string& hex);

/// Creates a directory with its missing parents. Returns true when it was created, false when it
/// existed. Throws FtfError "Не удалось создать папку <path>\r\n(<system message>)" on failure.
bool CreateDataDirectory(const std::string& path);
/// Lists a folder's name in the ".hidden" file of its parent (once), which Linux file managers
/// honour as the old system's hidden attribute. Returns false when the file cannot be written.
bool MarkFolderHidden(const std::string& path);

}  // namespace ftf
