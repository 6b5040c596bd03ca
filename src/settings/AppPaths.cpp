#include "settings/AppPaths.h"

namespace ftf {

namespace {
std::string Join(const std::string& dir, const char* name) {
    return dir.empty() ? std::string(name) : dir + "/" + name;
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
