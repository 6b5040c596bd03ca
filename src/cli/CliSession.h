#pragma once
// What a sub-command that works with documents sets up, the way the program's start-up does: the
// configuration's folders made the run's AppPaths, the settings loaded and installed as
// CurrentSetup, the catalogue opened with its currency rates, the catalogue services, the fittings
// engine and the command line's prompter installed. Everything is undone when the session ends.
//
// The configuration comes from --config NAME (default: the registry store's default
// configuration, else "Демо") or from explicit folders --catalog DIR [--server DIR]. The settings
// file FTFurniture.ini of the catalogue folder is read when it exists; otherwise the settings'
// defaults are taken and one line on standard error says so, so that a bare supplier folder works.
// The command line changes no setting, so nothing is written back to the settings.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/Tdm.h"
#include "cli/CliPrompter.h"
#include "settings/AppPaths.h"
#include "settings/CurrencyItem.h"
#include "settings/Setup.h"

namespace ftf {
class TftfOrder;
class TftfOrderSelection;
}  // namespace ftf

namespace ftf::cli {

struct SessionOptions {
    std::string config;
    std::string catalog;
    std::string server;
    bool debug = false;                   ///< the settings' DebugMode
    /// The answer to "save the changed document?": only a command that changes a document
    /// (order recalc) says Yes.
    std::optional<bool> saveAnswer = false;
};

/// Takes option `name` at args[i] with its value (the next argument, or after "=") into `value`,
/// advancing `i` past a separate value. False when args[i] is not that option.
bool TakeValueOption(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                     std::string& value);
/// A word that is no option joins `positional`; an unknown option is refused.
void TakePositional(const std::string& arg, std::vector<std::string>& positional);

/// Takes "--config", "--catalog", "--server" (with the value as the next argument or after "=")
/// at args[i] into `o`, advancing `i` past a separate value. False when args[i] is none of them.
bool TakeSessionOption(const std::vector<std::string>& args, std::size_t& i, SessionOptions& o);

/// A file named on the command line as an absolute, normalised path (stored references and the
/// messages name the file wherever the command ran).
std::string AbsoluteFile(const std::string& file);

/// A command's verb and the function running it with the arguments after the verb.
struct CliVerb {
    const char* name;
    std::function<int(const std::vector<std::string>&)> run;
};

/// Runs `ftf COMMAND VERB ARGS…`: the help (`help`, the session's options, `statusHelp`) on
/// standard output for --help anywhere, on standard error with status 1 when nothing is given;
/// an unknown verb refused with `unknownVerb` + " «VERB»"; an error of the verb printed as
/// "ftf COMMAND VERB: message" on one line, with status 1.
int RunVerb(const char* command, const std::vector<std::string>& args, const std::vector<CliVerb>& verbs,
            const char* help, const char* statusHelp, const std::string& unknownVerb);

/// The help lines of the session's options.
extern const char kSessionOptionsHelp[];

class CliSession {
public:
    /// Throws FtfError when the configuration is not installed or no catalogue folder is known.
    explicit CliSession(const SessionOptions& options);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    TDM& Dm() { return *dm_; }
    TftfSetup& Setup() { return *setup_; }
    const AppPathsRecord& Paths() const { return AppPaths(); }
    /// The currency table's rates, as a new document takes them.
    const TftfCurrencyList& Rates() const { return rates_; }
    /// Errors and warnings shown so far (tables that did not open among them).
    int Reported() const { return prompter_.Reported(); }
    /// 0, or 2 when something was reported on the way.
    int DoneStatus() const { return Reported() > 0 ? 2 : 0; }

    /// Makes a document's currency the working currency context, as its window does when it
    /// becomes active: the settings' context and the process-wide currency symbol and decimals.
    /// The context is cleared when the returned guard goes, which must happen before the
    /// document is freed.
    class CurrencyScope {
    public:
        explicit CurrencyScope(CliSession& s) : s_(&s) {}
        CurrencyScope(CurrencyScope&& o) noexcept : s_(o.s_) { o.s_ = nullptr; }
        CurrencyScope(const CurrencyScope&) = delete;
        ~CurrencyScope();

    private:
        CliSession* s_;
    };
    [[nodiscard]] CurrencyScope UseCurrencyOf(const TftfOrder& order);
    [[nodiscard]] CurrencyScope UseCurrencyOf(const TftfOrderSelection& selection);

private:
    CurrencyScope Use(const TftfCurrencyList* list, std::int32_t id, float nds, int decimals);
    void Cleanup();
    struct Installed;

    AppPathsRecord previousPaths_;
    ReportingPrompter prompter_;
    std::unique_ptr<ScopedPrompter> prompterScope_;
    std::unique_ptr<TDM> dm_;
    std::unique_ptr<TftfSetup> setup_;
    TftfCurrencyList rates_;
    std::unique_ptr<Installed> installed_;
};

/// A new order as the order window makes one: the technical and commercial defaults from the
/// settings, the rates from the currency table.
void InitNewOrder(CliSession& session, TftfOrder& order);
/// A new selection as the selection window makes one: currency and VAT from the settings, price
/// group 0, the rates from the currency table, the orders folder of the configuration.
void InitNewSelection(CliSession& session, TftfOrderSelection& selection);

}  // namespace ftf::cli
