#include "cli/CliSession.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/NewDocuments.h"
#include "calc/FurnCalc.h"
#include "catalogue/Lookups.h"
#include "cli/CliCatalog.h"
#include "cli/CliConfig.h"
#include "cli/CliText.h"
#include "common/Error.h"
#include "common/NumberFormat.h"
#include "documents/Order.h"
#include "documents/Selection.h"
#include "model/CatalogueServices.h"
#include "model/ModelServices.h"

namespace fs = std::filesystem;

namespace ftf::cli {

const char kSessionOptionsHelp[] =
    "Конфигурация: --config ИМЯ (по умолчанию — конфигурация по умолчанию, иначе «Демо»)\n"
    "              или папки --catalog ПАПКА [--server ПАПКА]; настройки берутся из\n"
    "              FTFurniture.ini папки каталога, без него — значения по умолчанию.\n";

bool TakeValueOption(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                     std::string& value) {
    const std::string& a = args[i];
    if (a == name) {
        if (i + 1 >= args.size()) throw FtfError("Параметру " + a + " не указано значение");
        value = args[++i];
        return true;
    }
    if (a.size() > name.size() && a.compare(0, name.size(), name) == 0 && a[name.size()] == '=') {
        value = a.substr(name.size() + 1);
        return true;
    }
    return false;
}

void TakePositional(const std::string& arg, std::vector<std::string>& positional) {
    if (arg.size() > 1 && arg[0] == '-') throw FtfError("Неизвестный параметр " + arg);
    positional.push_back(arg);
}

bool TakeSessionOption(const std::vector<std::string>& args, std::size_t& i, SessionOptions& o) {
    return TakeValueOption(args, i, "--config", o.config) || TakeValueOption(args, i, "--catalog", o.catalog) ||
           TakeValueOption(args, i, "--server", o.server);
}

struct CliSession::Installed {
    explicit Installed(TDM& dm) : services(dm), catalogueScope(services), engine(dm), engineScope(engine) {}
    TCatalogueModelServices services;
    ScopedModelCatalogue catalogueScope;
    TFurnEngine engine;
    ScopedFurnEngine engineScope;
    ScopedNumberFormat formats;  // the currency symbol and decimals a document sets
};

namespace {

// The folders of the run: explicit folders, or the configuration's.
AppPathsRecord SessionPaths(const SessionOptions& o) {
    if (o.catalog.empty() && o.server.empty()) return CliConfigurationPaths(o.config, {}, {});
    if (o.catalog.empty()) throw FtfError("Не указан параметр --catalog");
    if (!o.server.empty()) return CliConfigurationPaths({}, o.server, o.catalog);
    AppPathsRecord paths;
    std::error_code ec;
    paths.CatalogDir = fs::absolute(o.catalog, ec).lexically_normal().string();
    while (paths.CatalogDir.size() > 1 && paths.CatalogDir.back() == '/') paths.CatalogDir.pop_back();
    paths.DeriveDirectories();
    return paths;
}

}  // namespace

CliSession::CliSession(const SessionOptions& options)
    : previousPaths_(AppPaths()), prompter_(false, options.saveAnswer) {
    prompterScope_ = std::make_unique<ScopedPrompter>(prompter_);
    try {
        AppPathsRecord paths = SessionPaths(options);
        if (paths.CatalogDir.empty()) throw FtfError("В конфигурации не указана папка каталога");
        if (paths.ConfigName.empty() && options.catalog.empty() && options.server.empty())
            paths.ConfigName = options.config.empty() ? DefaultCliConfig() : options.config;
        std::error_code ec;
        const bool iniThere = !paths.IniFileName.empty() && fs::exists(paths.IniFileName, ec);
        const bool fromConfig = options.catalog.empty() && options.server.empty();
        AppPaths() = paths;
        if (fromConfig && iniThere) {
            // As start-up loads it: the file, the user's options, the missing data folders.
            setup_ = std::make_unique<TftfSetup>();
        } else {
            // Explicit folders: the settings file alone (its defaults when it is missing); the
            // user's options and folders of an installed configuration are not touched.
            AppPaths().IniFileName.clear();
            setup_ = std::make_unique<TftfSetup>();
            AppPaths().IniFileName = paths.IniFileName;
            setup_->LoadIni();
            if (!iniThere)
                std::fprintf(stderr, "Файл настроек %s не найден: взяты настройки по умолчанию\n",
                             paths.IniFileName.c_str());
        }
        setup_->DebugMode = options.debug;
        SetCurrentSetup(setup_.get());

        dm_ = std::make_unique<TDM>();
        dm_->ConfigureDatabase(dm_->DB_Catalog, paths.CatalogDir);
        PrintStoreNotes(dm_->DB_Catalog.GetStore());
        dm_->OpenCatalog();  // a table that does not open is reported; the command goes on
        LoadCurrencyRates(*dm_, &rates_);
        installed_ = std::make_unique<Installed>(*dm_);
    } catch (...) {
        Cleanup();
        throw;
    }
}

CliSession::~CliSession() { Cleanup(); }

void CliSession::Cleanup() {
    installed_.reset();
    if (setup_) {
        setup_->SetActiveCurrency(nullptr, 0, 0);
        setup_->Loaded = false;  // the command line changes no setting: nothing to write back
        if (CurrentSetup() == setup_.get()) SetCurrentSetup(nullptr);
        setup_.reset();
    }
    dm_.reset();
    AppPaths() = previousPaths_;
    prompterScope_.reset();
}

CliSession::CurrencyScope::~CurrencyScope() {
    if (s_ && s_->setup_) s_->setup_->SetActiveCurrency(nullptr, 0, 0);
}

CliSession::CurrencyScope CliSession::Use(const TftfCurrencyList* list, std::int32_t id, float nds, int decimals) {
    setup_->SetActiveCurrency(list, id, nds);
    CurrentFormats().currencyString = GetCurrencyName(*dm_, id);
    CurrentFormats().currencyDecimals = decimals < 0 ? 0 : decimals;
    return CurrencyScope(*this);
}

CliSession::CurrencyScope CliSession::UseCurrencyOf(const TftfOrder& order) {
    // An order shows its money with four decimals, whatever its currency.
    return Use(&order.CurrencyRates, order.CurrencyId, order.NDSTax, 4);
}

CliSession::CurrencyScope CliSession::UseCurrencyOf(const TftfOrderSelection& selection) {
    return Use(&selection.CurrencyRates, selection.CurrencyId, selection.NDSTax,
               GetCurrencyDecimals(*dm_, selection.CurrencyId));
}

int RunVerb(const char* command, const std::vector<std::string>& args, const std::vector<CliVerb>& verbs,
            const char* help, const char* statusHelp, const std::string& unknownVerb) {
    const bool asked = std::find_if(args.begin(), args.end(), [](const std::string& a) {
                           return a == "--help" || a == "-h";
                       }) != args.end();
    if (args.empty() || asked) {
        std::FILE* out = asked ? stdout : stderr;
        std::fputs(help, out);
        std::fputs(kSessionOptionsHelp, out);
        std::fputs(statusHelp, out);
        return asked ? 0 : 1;
    }
    const std::string& verb = args[0];
    const auto it = std::find_if(verbs.begin(), verbs.end(), [&](const CliVerb& v) { return verb == v.name; });
    if (it == verbs.end()) throw FtfError(unknownVerb + " «" + verb + "»");
    try {
        return it->run(std::vector<std::string>(args.begin() + 1, args.end()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ftf %s %s: %s\n", command, verb.c_str(), OneLine(e.what()).c_str());
        return 1;
    }
}

std::string AbsoluteFile(const std::string& file) {
    std::error_code ec;
    return std::filesystem::absolute(file, ec).lexically_normal().string();
}

void InitNewOrder(CliSession& session, TftfOrder& order) { FillNewOrder(order, &session.Setup(), session.Dm()); }

void InitNewSelection(CliSession& session, TftfOrderSelection& selection) {
    FillNewSelection(selection, &session.Setup(), session.Dm());
    selection.SetOrdersDir(session.Paths().OrdersDir);
}

}  // namespace ftf::cli
