#include "model/ModelServices.h"

#include <stdexcept>

namespace ftf {

namespace {
IFurnEngine* g_engine = nullptr;
IModelCatalogue* g_catalogue = nullptr;
}  // namespace

IFurnEngine& CurrentFurnEngine() {
    if (!g_engine) throw std::logic_error("no fittings engine is installed");
    return *g_engine;
}

IFurnEngine* SetFurnEngine(IFurnEngine* engine) {
    IFurnEngine* previous = g_engine;
    g_engine = engine;
    return previous;
}

IModelCatalogue& CurrentModelCatalogue() {
    if (!g_catalogue) throw std::logic_error("no catalogue is installed for the model");
    return *g_catalogue;
}

IModelCatalogue* SetModelCatalogue(IModelCatalogue* catalogue) {
    IModelCatalogue* previous = g_catalogue;
    g_catalogue = catalogue;
    return previous;
}

}  // namespace ftf
