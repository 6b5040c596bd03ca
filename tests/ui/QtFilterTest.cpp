// File-dialog filters of the old form ("name|patterns|…") become Qt's name filters, and a
// three-letter extension pattern also lists the longer extensions the old platform matched.

#include <gtest/gtest.h>

#include <string>

#include "ui/QtPrompter.h"

namespace {

TEST(QtFilter, ConvertsEntriesAndWidensThreeLetterExtensions) {
    struct Case {
        const char* filter;
        const char* expected;
    };
    const Case cases[] = {
        {"Заказ (*.ffo)|*.ffo|Все файлы (*.*)|*.*", "Заказ (*.ffo *.ffo?*);;Все файлы (*.*)"},
        {"Заказ (*.ffo370)|*.ffo370|Все файлы (*.*)|*.*", "Заказ (*.ffo370);;Все файлы (*.*)"},
        {"Заказ 370 (*.ffo370)|*.ffo370|Заказ 317 (*.ffo)|*.ffo|Выборка (*.ffs370)|*.ffs370",
         "Заказ 370 (*.ffo370);;Заказ 317 (*.ffo *.ffo?*);;Выборка (*.ffs370)"},
        {"Таблицы|*.db;*.DB", "Таблицы (*.db *.DB)"},
        {"Таблицы|*.tbl;*.TBL", "Таблицы (*.tbl *.tbl?* *.TBL *.TBL?*)"},
        {"Отчёты (*.fr3)|*.fr3", "Отчёты (*.fr3 *.fr3?*)"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ftf::ui::QtPrompter::QtFilter(c.filter), c.expected) << c.filter;
}

}  // namespace
