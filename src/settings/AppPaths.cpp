#include "settings/AppPaths.h"

namespace ftf {

namespace {
// With no base directory there is nothing to derive: an empty path is skipped by whoever uses it,
// instead of a name relative to whatever the current directory happens to be.
std::string Join(const std::string& dir, const char* name) {
    return dir.empty() ? std::string() : dir + "/" + name;
}
}  // namespace

void AppPathsRecord::ClearPaths() {
    bool developer = DeveloperMode, presentation = ShowPresentation;
    *this = AppPathsRecord{};
    DeveloperMode = developer;
    ShowPresentation = presentation;
}

void AppPathsRecord::DeriveDirectories() {
    IniFileName = Join(CatalogDir, "FTFurniture.ini");
    OrdersDir = Join(ServerDir, "Orders");
    SelectionDir = Join(ServerDir, "Selection");
    RecycledDir = Join(ServerDir, "Recycled");
    ArchiveDir = Join(ServerDir, "Archive");
    RegistryDir = Join(ServerDir, "Registry");
    ExportDir = Join(ServerDir, "Export");
}

AppPathsRecord& AppPaths() {
    static AppPathsRecord record;
    return record;
}

}  // namespace ftf
