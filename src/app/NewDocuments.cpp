#include "app/NewDocuments.h"

#include "catalogue/Lookups.h"
#include "documents/Order.h"
#include "documents/Selection.h"
#include "settings/Setup.h"

namespace ftf {

void FillNewOrder(TftfOrder& o, const TftfSetup* s, TDM& dm) {
    if (s) {
        o.ProfSys = s->DefProfSys;
        o.FurnSys = s->DefFurnSys;
        o.Handle = s->DefHandle;
        o.FalzType = s->DefFalzType;
        o.Dornmass = s->DefDornType;
        o.StulpType = s->DefStulpFalzType;
        o.OpenType = s->DefFlugelType;
        o.Material = s->DefMaterial;
        o.CurrencyId = s->CurCurrency;
        o.PriceGroupNo = s->PriceGrpNo;
        o.NDSTax = s->NDSTax;
        o.GetTotalNDS = s->TotalNDS;
        o.ShowIncludeNDS = s->ShowIncludingNDS;
    }
    o.InnerProfColor = o.OuterProfColor = GetSystemBaseColor(dm, o.ProfSys);
    o.FurnColor = GetSystemBaseColor(dm, o.FurnSys);
    LoadCurrencyRates(dm, &o.CurrencyRates);
}

void FillNewSelection(TftfOrderSelection& selection, const TftfSetup* setup, TDM& dm) {
    if (setup) {
        selection.CurrencyId = setup->CurCurrency;
        selection.NDSTax = setup->NDSTax;
    }
    selection.PriceGroupNo = 0;
    LoadCurrencyRates(dm, &selection.CurrencyRates);
}

}  // namespace ftf
