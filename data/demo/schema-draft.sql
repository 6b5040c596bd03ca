-- Draft tables used only to check that catalogue.sql and Report.sql load:
--   cat schema-draft.sql catalogue.sql Report.sql | sqlite3 :memory:
-- The program's own catalogue schema is authoritative; this draft follows its field names and keys
-- but is not what the program creates. Types: string(n) -> TEXT, smallint/integer/autoinc -> INTEGER,
-- BCD/money -> NUMERIC.

CREATE TABLE "COLORSET" ("Color" TEXT PRIMARY KEY, "Name" TEXT);

CREATE TABLE "Currency" (
  "ID" INTEGER PRIMARY KEY, "Name" TEXT, "Value" NUMERIC, "Dec" INTEGER,
  "Nominative" TEXT, "Genitive" TEXT, "GenitivePlural" TEXT, "Gender" INTEGER,
  "DecNominative" TEXT, "DecGenitive" TEXT, "DecGenitivePlural" TEXT, "DecGender" INTEGER);

CREATE TABLE "PriceGrp" (
  "GroupID" INTEGER PRIMARY KEY, "Name" TEXT,
  "Reduce_1" NUMERIC, "Reduce_2" NUMERIC, "Reduce_3" NUMERIC, "Reduce_4" NUMERIC, "Reduce_5" NUMERIC,
  "Reduce_6" NUMERIC, "Reduce_7" NUMERIC, "Reduce_8" NUMERIC, "Reduce_9" NUMERIC, "Reduce_10" NUMERIC);

CREATE TABLE "SysList" (
  "ID" TEXT PRIMARY KEY, "Group" INTEGER, "Name" TEXT, "ShortName" TEXT, "Use" INTEGER,
  "CommonGrp" INTEGER, "BaseColor" TEXT);

CREATE TABLE "SysColor" ("ID" TEXT, "System" TEXT, "Article" TEXT, PRIMARY KEY ("ID", "System"));

CREATE TABLE "SysProf" ("SchlSysID" TEXT, "FurnSysID" TEXT, "Name" TEXT, PRIMARY KEY ("SchlSysID", "FurnSysID"));

CREATE TABLE "SysProp" (
  "ID" INTEGER PRIMARY KEY, "GroupName" TEXT, "ValueName" TEXT, "Printable" INTEGER, "Use" INTEGER,
  "PrintName" TEXT);

CREATE TABLE "Material" ("ID" INTEGER PRIMARY KEY, "Name" TEXT);

CREATE TABLE "ParamList" (
  "ID" INTEGER PRIMARY KEY, "Group" INTEGER, "Name" TEXT, "FalzLuft" INTEGER, "FalzSize" INTEGER,
  "FalzPos" INTEGER, "DornMass" NUMERIC, "StulpType" INTEGER, "OpenType" INTEGER);

CREATE TABLE "FrnComp" (
  "ID" TEXT PRIMARY KEY, "Name" TEXT, "Group" INTEGER, "SubGroup" INTEGER, "Direct" INTEGER,
  "CommonGrp" INTEGER, "Material" INTEGER, "Use" INTEGER, "TFlugelAvailable" INTEGER, "PropKey" INTEGER,
  "Image" INTEGER, "ScrColor" INTEGER, "Printable" INTEGER, "PrintName" TEXT,
  "Kipp" INTEGER, "SymmetricID" TEXT, "MultiSysID" TEXT, "MaxWeight" INTEGER, "DispHingeNum" INTEGER,
  "CompectImage" INTEGER, "Note" TEXT, "Alert" TEXT, "HingeT" TEXT, "HingeB" TEXT, "HingeC" TEXT);

CREATE TABLE "FrnSide" (
  "ID" TEXT, "Side" INTEGER, "MinSize" INTEGER, "MaxSize" INTEGER, "MinAngle" NUMERIC, "MaxAngle" NUMERIC,
  "MinRadius" INTEGER, "MaxRadius" INTEGER, "FullRadius" INTEGER, "HalfRadius" INTEGER, "EllipseRadius" INTEGER,
  "HandleDirect" INTEGER, "OpenMode" INTEGER, "RotSide" INTEGER, "Handled" INTEGER, "Banded" INTEGER,
  "Drived" INTEGER, PRIMARY KEY ("ID", "Side"));

CREATE TABLE "FrnItem" (
  "ID" TEXT PRIMARY KEY, "Name" TEXT, "HasDornMass" INTEGER, "HasFalzLuft" INTEGER, "HasFalzSize" INTEGER,
  "HasFalzPos" INTEGER, "HasProfSys" INTEGER, "HasColor" INTEGER, "CheckWeight" INTEGER,
  "CheckThickness" INTEGER, "CheckProfWidth" INTEGER, "CheckStulpType" INTEGER, "CheckDirect" INTEGER,
  "Virtual" INTEGER, "CommonGrp" INTEGER);

CREATE TABLE "FrnSet" (
  "ID" TEXT, "Item" TEXT, "Key" INTEGER, "PropKey" INTEGER, "ItemSideNo" INTEGER, "UseIfArt" TEXT,
  "FFBMin" INTEGER, "FFBMax" INTEGER, "FFHMin" INTEGER, "FFHMax" INTEGER,
  "FFL1No" INTEGER, "FFL1Min" INTEGER, "FFL1Max" INTEGER, "FFL2No" INTEGER, "FFL2Min" INTEGER, "FFL2Max" INTEGER,
  "FFR1No" INTEGER, "FFR1Min" INTEGER, "FFR1Max" INTEGER, "FFR1Type" INTEGER,
  "FFR2No" INTEGER, "FFR2Min" INTEGER, "FFR2Max" INTEGER, "FFR2Type" INTEGER,
  "FFANo" INTEGER, "FFAMin" NUMERIC, "FFAMax" NUMERIC,
  "FFL21No" INTEGER, "FFL21Min" INTEGER, "FFL21Max" INTEGER, "FFL22No" INTEGER, "FFL22Min" INTEGER,
  "FFL22Max" INTEGER, "StulpType" INTEGER, "Condition" INTEGER, "Side1No" INTEGER, "Side2No" INTEGER,
  "AngleNo" INTEGER, "ColorCondition" INTEGER, "Number" INTEGER, "ScaleCondition" INTEGER,
  "ScaleStart" INTEGER, "ScaleStep" INTEGER, "ScaleNum" INTEGER, "ScaleScheme" TEXT, "Required" INTEGER,
  "DefineHandleHeight" INTEGER, "HandleSideNo" INTEGER, "UseLen" INTEGER, "LenFormula" TEXT, "MinLen" INTEGER,
  "Note" TEXT, "AlertIfNoArt" TEXT, "AlertIfIgnore" TEXT, PRIMARY KEY ("ID", "Item", "Key"));

CREATE TABLE "FrnArt" (
  "ID" TEXT, "CatalogID" TEXT, "Key" INTEGER,
  "FFBMin" INTEGER, "FFBMax" INTEGER, "FFHMin" INTEGER, "FFHMax" INTEGER,
  "FFL1Min" INTEGER, "FFL1Max" INTEGER, "FFL2Min" INTEGER, "FFL2Max" INTEGER,
  "FFR1Min" INTEGER, "FFR1Max" INTEGER, "FFR2Min" INTEGER, "FFR2Max" INTEGER,
  "FFAMin" NUMERIC, "FFAMax" NUMERIC, "FalzLuft" INTEGER, "FalzSize" INTEGER, "FalzPos" INTEGER,
  "DornMassMin" NUMERIC, "DornMassMax" NUMERIC, "WeightMin" NUMERIC, "WeightMax" NUMERIC,
  "ThicknessMin" INTEGER, "ThicknessMax" INTEGER, "ProfWidthMin" INTEGER, "ProfWidthMax" INTEGER,
  "ProfSys" TEXT, "StulpType" INTEGER, "Direct" INTEGER, "Color" TEXT, "HandleHeight" INTEGER,
  "HandleMin" INTEGER, "HandleMax" INTEGER, PRIMARY KEY ("ID", "CatalogID", "Key"));

CREATE TABLE "FrnSchl" (
  "CatalogID" TEXT, "Item" TEXT, "Key" INTEGER PRIMARY KEY, "Number" INTEGER, "StulpType" INTEGER,
  "PropKey" INTEGER, "ItemSideNo" INTEGER, "ItemComplectID" TEXT);

CREATE TABLE "FrnDop" (
  "CatalogID" TEXT, "AccessoryID" TEXT, "Key" INTEGER PRIMARY KEY, "Number" INTEGER, "PropKey" INTEGER,
  "StulpType" INTEGER, "ItemSideNo" INTEGER, "ItemComplectID" TEXT);

CREATE TABLE "FrnAbd" (
  "CatalogID" TEXT, "Color" TEXT, "AccessoryID" TEXT, "Number" INTEGER, "ItemSideNo" INTEGER,
  "ItemComplectID" TEXT, UNIQUE ("CatalogID", "Color", "AccessoryID", "ItemSideNo"));

CREATE TABLE "FrnProp" ("PropKey" INTEGER, "ID" INTEGER, "Default" INTEGER, PRIMARY KEY ("PropKey", "ID"));

CREATE TABLE "FrnItoI" (
  "ID" TEXT, "Item" TEXT, "PropKey" INTEGER, "Number" INTEGER, "StulpType" INTEGER, "ColorCondition" INTEGER,
  "Required" INTEGER, "AlertIfNoArt" TEXT, "AlertIfIgnore" TEXT, "Note" TEXT, "ItemSideNo" INTEGER,
  UNIQUE ("ID", "Item", "PropKey"));

CREATE TABLE "Catalog" (
  "ID" TEXT PRIMARY KEY, "Article" TEXT, "ProdArticle" TEXT, "ProdArticle2" TEXT, "ProdArticle3" TEXT,
  "UseArticle" INTEGER, "Name" TEXT, "Unit" TEXT, "Price" NUMERIC, "Currency" INTEGER, "PriceGrp" INTEGER,
  "System" TEXT, "Group" INTEGER, "Use" INTEGER, "CommonUse" INTEGER, "Integer" INTEGER, "MinTrade" NUMERIC,
  "Virtual" INTEGER);

CREATE TABLE "OrderLst" (
  "No" TEXT PRIMARY KEY, "RegDate" TEXT, "Customer" TEXT, "Object" TEXT, "Address" TEXT, "Phone" TEXT,
  "Cost" NUMERIC, "Currency" INTEGER, "OrderFile" TEXT, "Note" TEXT);

CREATE TABLE "Report" (
  "Group" INTEGER, "SubGroup" INTEGER, "USE" INTEGER, "Name" TEXT, "FileName" TEXT, "Default" INTEGER,
  "Copies" INTEGER);
