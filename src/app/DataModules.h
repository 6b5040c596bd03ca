#pragma once
// The run's data modules. The catalogue module is created during start-up and lives until the
// program ends; window controllers reach the catalogue through it. Tests and the command line make
// their own TDM and pass it explicitly instead.

#include <memory>

namespace ftf {

class TDM;
struct StartupHooks;

/// The run's catalogue data module. Throws FtfError when start-up has not created it.
TDM& CatalogueModule();
bool HasCatalogueModule();

/// Owns the run's modules for the lifetime of the desktop program: creating it installs nothing,
/// the start-up hooks it fills create the catalogue module, point its connections at the
/// configuration's folders, open the tables and install the model's catalogue lookups.
class RunDataModules {
public:
    RunDataModules();
    ~RunDataModules();
    RunDataModules(const RunDataModules&) = delete;
    RunDataModules& operator=(const RunDataModules&) = delete;

    /// Fills the catalogue steps of the start-up sequence.
    void FillHooks(StartupHooks& hooks);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace ftf
