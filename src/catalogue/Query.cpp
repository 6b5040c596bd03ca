#include "catalogue/Query.h"

#include <algorithm>

#include "common/Error.h"

namespace ftf {

namespace {

std::string Br(std::string_view s) { return "[" + std::string(s) + "]"; }

std::shared_ptr<TableData> EmptyData(const std::string& name) {
    TableSchema s;
    s.name = name;
    return std::make_shared<TableData>(std::move(s));
}

}  // namespace

Query::Query(std::string name) : Table(EmptyData(name), name) {}

void Query::Open(const QuerySpec& desc) {
    try {
        if (!desc.first) throw FtfError("Запрос " + Br(Name()) + ": не указана таблица");
        const TableData* src[2] = {desc.first, desc.second};

        // The result's fields and where each comes from.
        struct Source {
            int table;
            int field;
        };
        std::vector<Source> sources;
        TableSchema schema;
        schema.name = Name();
        auto addField = [&](int table, int field, const std::string& as) {
            const FieldDef& d = src[table]->Field(field);
            FieldDef out;
            out.name = as.empty() ? d.name : as;
            out.type = d.type;
            out.size = d.size;
            out.decimals = d.decimals;
            if (schema.FindField(out.name) >= 0) throw FtfError("Запрос " + Br(Name()) + ": поле " + Br(out.name) + " указано дважды");
            schema.fields.push_back(std::move(out));
            sources.push_back({table, field});
        };
        if (desc.columns.empty()) {
            for (int t = 0; t < 2; ++t) {
                if (!src[t]) continue;
                for (int f = 0; f < src[t]->FieldCount(); ++f) {
                    const FieldDef& d = src[t]->Field(f);
                    if (d.kind != FieldKind::Data || schema.FindField(d.name) >= 0) continue;
                    addField(t, f, {});
                }
            }
        } else {
            for (const QueryColumn& c : desc.columns) {
                if (c.source < 0 || c.source > 1 || !src[c.source])
                    throw FtfError("Запрос " + Br(Name()) + ": нет таблицы для поля " + Br(c.field));
                const int f = src[c.source]->FindField(c.field);
                if (f < 0)
                    throw FtfError("Запрос " + Br(Name()) + ": поле " + Br(c.field) + " не найдено в таблице " +
                                   Br(src[c.source]->Name()));
                addField(c.source, f, c.as);
            }
        }

        std::vector<int> leftKeys, rightKeys;
        for (const auto& [l, r] : desc.joinOn) {
            if (!desc.second) throw FtfError("Запрос " + Br(Name()) + ": условие связи без второй таблицы");
            const int lf = desc.first->FindField(l), rf = desc.second->FindField(r);
            if (lf < 0) throw FtfError("Запрос " + Br(Name()) + ": поле " + Br(l) + " не найдено в таблице " + Br(desc.first->Name()));
            if (rf < 0) throw FtfError("Запрос " + Br(Name()) + ": поле " + Br(r) + " не найдено в таблице " + Br(desc.second->Name()));
            leftKeys.push_back(lf);
            rightKeys.push_back(rf);
        }

        auto data = std::make_shared<TableData>(std::move(schema));
        std::shared_ptr<const CompiledFilter> where;
        if (!desc.where.empty()) where = data->CompileFilter(desc.where, FilterOptions{});

        RowValues row(sources.size());
        auto emit = [&](RowId a, RowId b) {
            for (std::size_t i = 0; i < sources.size(); ++i) {
                const Source& s = sources[i];
                row[i] = src[s.table]->GetValue(s.table == 0 ? a : b, s.field);
            }
            const RowId r = data->LoadRow(row);
            if (where && !where->Matches(*data, r)) data->DeleteRow(r);
        };
        const std::vector<RowId> leftRows = desc.first->IndexOrder(0);
        if (!desc.second) {
            for (RowId a : leftRows) emit(a, kNoRow);
        } else if (leftKeys.empty()) {
            const std::vector<RowId> rightRows = desc.second->IndexOrder(0);
            for (RowId a : leftRows)
                for (RowId b : rightRows) emit(a, b);
        } else {
            const int ix = desc.second->EnsureIndex(rightKeys, false);
            std::vector<Value> key(leftKeys.size());
            for (RowId a : leftRows) {
                for (std::size_t k = 0; k < leftKeys.size(); ++k) key[k] = desc.first->GetValue(a, leftKeys[k]);
                const auto [lo, hi] = desc.second->EqualRange(ix, key);
                const auto& order = desc.second->IndexOrder(ix);
                std::vector<RowId> matches(order.begin() + static_cast<std::ptrdiff_t>(lo),
                                           order.begin() + static_cast<std::ptrdiff_t>(hi));
                // Within one left row, the right rows come in their table's own order.
                std::sort(matches.begin(), matches.end(),
                          [&](RowId x, RowId y) { return desc.second->RankIn(0, x) < desc.second->RankIn(0, y); });
                for (RowId b : matches) emit(a, b);
            }
        }

        snapshot_.clear();
        for (RowId r : data->IndexOrder(0)) snapshot_.push_back(data->ReadRow(r));
        spec_ = desc;
        ResetData(data);
        if (!desc.orderBy.empty()) {
            SetIndexFieldNames(desc.orderBy);
            First();
        }
        openedVersion_ = Data().Version();
    } catch (...) {
        snapshot_.clear();
        ResetData(EmptyData(Name()));
        Close();
        throw;
    }
}

void Query::Refresh() { Open(spec_); }

void Query::CancelUpdates() {
    if (!IsOpen()) return;
    Cancel();
    const int index = ActiveIndex();
    Data().ClearRows();
    for (const RowValues& r : snapshot_) Data().LoadRow(r);
    SetActiveIndex(index);
    openedVersion_ = Data().Version();
    First();
}

bool Query::UpdatesPending() const { return IsOpen() && Data().Version() != openedVersion_; }

}  // namespace ftf
