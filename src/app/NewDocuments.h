#pragma once
// The values a new order or selection takes from the settings and the catalogue, shared by the
// windows and the command line.

namespace ftf {

class TDM;
class TftfOrder;
class TftfOrderSelection;
class TftfSetup;

/// The settings' default systems, rebate, backset, stulp and opening types, material, currency,
/// price group and VAT (nothing from the settings when `setup` is nullptr), the systems' base
/// colours and the catalogue's current rates. Catalogue errors propagate.
void FillNewOrder(TftfOrder& order, const TftfSetup* setup, TDM& dm);

/// The settings' currency and VAT, price group 0 and the catalogue's current rates. Catalogue
/// errors propagate.
void FillNewSelection(TftfOrderSelection& selection, const TftfSetup* setup, TDM& dm);

}  // namespace ftf
