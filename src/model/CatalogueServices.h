#pragma once
// The model's catalogue lookups over the catalogue data module. The program installs one for the
// run (SetModelCatalogue) once the catalogue is open; prices convert with the settings' working
// currency context of the active document.

#include "model/ModelServices.h"

namespace ftf {

class TDM;

class TCatalogueModelServices final : public IModelCatalogue {
public:
    /// `dm` is not owned and must outlive this object.
    explicit TCatalogueModelServices(TDM& dm) : dm_(dm) {}

    std::int32_t GetComplectScreenColor(const std::string& complect) override;
    std::int32_t GetComplectImage(const std::string& complect) override;
    /// The rows of T_FrnSide whose ID equals the complect, in the dataset's order, through a
    /// temporary filter that is removed again on every way out.
    std::vector<TFrnSideRow> GetComplectSides(const std::string& complect) override;
    std::int32_t GetSideHandleDirect(const std::string& complect, std::int32_t side) override;
    bool TryGetComplectName(const std::string& complect, std::string& name) override;
    bool IsVirtualArticle(const std::string& article) override;
    long double GetArticlePrice(const std::string& article, bool silent) override;
    std::string GetArticleName(const std::string& article, bool silent) override;

private:
    TDM& dm_;
};

}  // namespace ftf
