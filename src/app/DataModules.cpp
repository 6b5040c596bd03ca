#include "app/DataModules.h"

#include "app/Startup.h"
#include "catalogue/Tdm.h"
#include "common/Error.h"
#include "model/CatalogueServices.h"
#include "model/ModelServices.h"
#include "settings/AppPaths.h"

namespace ftf {

namespace {
TDM* g_catalogue = nullptr;
}  // namespace

TDM& CatalogueModule() {
    if (!g_catalogue) throw FtfError("Модуль данных каталога не создан");
    return *g_catalogue;
}

bool HasCatalogueModule() { return g_catalogue != nullptr; }

struct RunDataModules::Impl {
    std::unique_ptr<TDM> catalogue;
    std::unique_ptr<TCatalogueModelServices> services;
    IModelCatalogue* previousServices = nullptr;

    ~Impl() {
        if (services) SetModelCatalogue(previousServices);
        g_catalogue = nullptr;
    }
};

RunDataModules::RunDataModules() : impl_(std::make_unique<Impl>()) {}
RunDataModules::~RunDataModules() = default;

void RunDataModules::FillHooks(StartupHooks& hooks) {
    Impl* impl = impl_.get();
    hooks.createCatalogueModule = [impl] {
        impl->catalogue = std::make_unique<TDM>();
        g_catalogue = impl->catalogue.get();
        impl->services = std::make_unique<TCatalogueModelServices>(*impl->catalogue);
        impl->previousServices = SetModelCatalogue(impl->services.get());
    };
    hooks.configureDatabases = [impl] {
        if (impl->catalogue) ConfigureDatabases(*impl->catalogue, AppPaths());
    };
    hooks.openCatalogueTables = [impl] {
        if (impl->catalogue) impl->catalogue->OpenCatalog();
    };
}

}  // namespace ftf
