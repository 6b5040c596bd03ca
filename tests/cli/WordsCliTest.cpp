// Runs the built `ftf words` and checks its output, its messages and its exit status.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FtfProcess.h"

namespace {

using ftf::test::RunResult;

class WordsCli : public ::testing::Test {
protected:
    // Runs `ftf words args…`.
    RunResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), "words");
        return proc.Run(args);
    }

    ftf::test::FtfProcess proc;
};

const std::vector<std::string> kRouble = {"--one", "рубль", "--few", "рубля", "--many", "рублей",
                                          "--gender", "0"};

std::vector<std::string> Rouble(std::vector<std::string> args) {
    args.insert(args.end(), kRouble.begin(), kRouble.end());
    return args;
}

}  // namespace

TEST_F(WordsCli, WritesTheAmountOnOneLine) {
    struct Case { std::vector<std::string> args; const char* out; } cases[] = {
        {Rouble({"1234.50"}), "Одна тысяча двести тридцать четыре рубля 50\n"},
        {Rouble({"1234,5"}), "Одна тысяча двести тридцать четыре рубля 50\n"},
        {Rouble({"-21"}), "Двадцать один рубль 00\n"},
        {Rouble({",07"}), "Ноль рублей 07\n"},
        {Rouble({"2", "--decimals", "0"}), "Два рубля\n"},
        {{"2", "--one=гривна", "--few=гривны", "--many=гривен", "--gender=1"}, "Две гривны 00\n"},
        {Rouble({"1.21", "--frac-one", "копейка", "--frac-few", "копейки", "--frac-many", "копеек",
                 "--frac-gender", "1"}),
         "Один рубль 21 копейка\n"},
        // More than four decimals round ties-to-even to four.
        {Rouble({"0.00005", "--decimals", "4"}), "Ноль рублей 0000\n"},
        {Rouble({"0.00015", "--decimals", "4"}), "Ноль рублей 0002\n"},
        {Rouble({"0.000051", "--decimals", "4"}), "Ноль рублей 0001\n"},
        // The ends of the money range.
        {Rouble({"922337203685477.5807", "--decimals", "4"}),
         "Девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три миллиона "
         "шестьсот восемьдесят пять тысяч четыреста семьдесят семь рублей 5807\n"},
        {Rouble({"922337203685477,58074", "--decimals", "4"}),
         "Девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три миллиона "
         "шестьсот восемьдесят пять тысяч четыреста семьдесят семь рублей 5807\n"},
        {Rouble({"-922337203685477.5808", "--decimals", "4"}),
         "Девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три миллиона "
         "шестьсот восемьдесят пять тысяч четыреста семьдесят семь рублей 5808\n"},
    };
    for (const auto& c : cases) {
        RunResult r = Run(c.args);
        EXPECT_EQ(r.status, 0) << c.args[0] << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[0];
        EXPECT_EQ(r.err, "") << c.args[0];
    }
}

TEST_F(WordsCli, RefusesBadInputWithARussianMessage) {
    struct Case { std::vector<std::string> args; const char* message; } cases[] = {
        {Rouble({"922337203685477.5808"}), "вне диапазона денежных значений"},
        {Rouble({"922337203685477.58075"}), "вне диапазона денежных значений"},  // ties to .5808
        {Rouble({"1000000000000000"}), "вне диапазона денежных значений"},
        {Rouble({"-922337203685477.5809"}), "вне диапазона денежных значений"},
        {Rouble({"12a"}), "не является числом"},
        {Rouble({"1 234,5"}), "не является числом"},
        {Rouble({"1.2.3"}), "не является числом"},
        {Rouble({"."}), "не является числом"},
        {Rouble({"5", "--colour", "red"}), "неизвестный параметр «--colour»"},
        {Rouble({"5", "--decimals"}), "у параметра --decimals нет значения"},
        {{"5", "--one", "рубль", "--few", "рубля", "--many", "рублей", "--gender"},
         "у параметра --gender нет значения"},
        {Rouble({"5", "--decimals", "два"}), "параметр --decimals: ожидается целое число"},
        {Rouble({"5", "--decimals", "21"}), "параметр --decimals: ожидается целое число"},
        {{"5", "--one", "рубль", "--few", "рубля", "--many", "рублей", "--gender", "256"},
         "параметр --gender: ожидается код рода"},
        {{"5", "--one", "рубль", "--few", "рубля", "--many", "рублей"}, "не задан параметр --gender"},
        {{"5", "--few", "рубля", "--many", "рублей", "--gender", "0"}, "не задан параметр --one"},
        {Rouble({"5", "--one", "рубль"}), "параметр --one задан дважды"},
        {Rouble({"5", "6"}), "лишний аргумент «6»"},
        {Rouble({}), "не задана сумма"},
        {Rouble({"5", "--frac-one", "\xC0\xC1"}), "параметр --frac-one: текст не в кодировке UTF-8"},
    };
    for (const auto& c : cases) {
        RunResult r = Run(c.args);
        EXPECT_EQ(r.status, 1) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << "expected «" << c.message << "» in: " << r.err;
        EXPECT_EQ(r.err.rfind("ftf words: ", 0), 0u) << r.err;
    }
}

TEST_F(WordsCli, HelpListsTheOptions) {
    RunResult r = Run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    for (const char* option : {"--one", "--few", "--many", "--gender", "--decimals", "--frac-one", "--frac-few",
                               "--frac-many", "--frac-gender"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}
