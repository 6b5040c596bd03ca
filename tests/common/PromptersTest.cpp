#include <gtest/gtest.h>

#include <sstream>

#include "common/NonInteractivePrompter.h"
#include "common/ScriptedPrompter.h"

using namespace ftf;
using Kind = PromptCall::Kind;

TEST(ScriptedPrompter, RecordsCallsInOrderAndAnswersFromTheQueue) {
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    p.AnswerOk(false);
    p.AnswerButton(2);
    p.AnswerYesNoCancel(YesNoCancel::No);
    p.AnswerInput("12");
    p.AnswerChoice(3);
    p.AnswerOk(true);

    ShowWarning("Внимание");
    EXPECT_FALSE(AskOkCancel("Удалить запись?", QuestionKind::Destructive));
    EXPECT_EQ(AskTwoButtons("Что делать?", "Первая", "Вторая", "Заголовок"), 2);
    EXPECT_EQ(CurrentPrompter().AskYesNoCancel("Сохранить заказ?", QuestionKind::Ordinary),
              YesNoCancel::No);
    EXPECT_EQ(CurrentPrompter().InputLine("Копия", "Количество", "1"), std::optional<std::string>("12"));
    ChoiceRequest choice;
    choice.caption = "Артикулы";
    choice.rows = {{"a"}, {"b"}, {"c"}, {"d"}};
    EXPECT_EQ(CurrentPrompter().Choose(choice), 3);
    EXPECT_TRUE(AskOkAbort("Продолжить?"));
    ShowErrorDetail("Ошибка сохранения заказа!", "диск полон");

    const auto& calls = p.Calls();
    ASSERT_EQ(calls.size(), 8u);
    const Kind kinds[] = {Kind::Warning, Kind::OkCancel, Kind::TwoButtons, Kind::YesNoCancel,
                          Kind::InputLine, Kind::Choose, Kind::OkAbort, Kind::Error};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(calls[i].kind, kinds[i]) << i;
    EXPECT_EQ(calls[1].questionKind, QuestionKind::Destructive);
    EXPECT_EQ(calls[2].details, (std::vector<std::string>{"Первая", "Вторая", "Заголовок"}));
    EXPECT_EQ(calls[4].details, (std::vector<std::string>{"Копия", "1"}));
    EXPECT_EQ(calls[5].choice.rows.size(), 4u);
    EXPECT_EQ(p.Texts(Kind::Error),
              std::vector<std::string>{"Ошибка сохранения заказа!\r\n[диск полон]"});
    EXPECT_EQ(p.RemainingAnswers(), 0u);
    EXPECT_TRUE(p.Unexpected().empty());
}

TEST(ScriptedPrompter, UnscriptedQuestionsFailLoudly) {
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    EXPECT_THROW(AskOkCancel("Удалить?"), UnexpectedPrompt);

    // An answer of the wrong sort is not taken for the question either, and stays queued.
    p.AnswerButton(1);
    EXPECT_THROW(AskOkCancel("Архивировать?"), UnexpectedPrompt);
    EXPECT_EQ(p.RemainingAnswers(), 1u);
    EXPECT_EQ(AskTwoButtons("?", "a", "b", "t"), 1);

    // Code that handles its own errors does not swallow the failure.
    bool swallowed = false;
    try {
        try {
            CurrentPrompter().SaveFile(FileDialogRequest{"Сохранить заказ...", "", "", "", "", false});
        } catch (const FtfError&) {
            swallowed = true;
        }
    } catch (const UnexpectedPrompt&) {
    }
    EXPECT_FALSE(swallowed);
    ASSERT_EQ(p.Unexpected().size(), 3u);
    EXPECT_NE(p.Unexpected()[2].find("Сохранить заказ..."), std::string::npos);
    // Messages never need answers.
    EXPECT_NO_THROW(ShowInfo("Готово"));
}

TEST(ScriptedPrompter, CountsBusyCursors) {
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    {
        BusyCursor outer;
        {
            BusyCursor inner(true);
            ShowError("внутри");
        }
        EXPECT_EQ(p.BusyDepth(), 1);
    }
    ShowError("снаружи");
    EXPECT_EQ(p.BusyDepth(), 0);
    EXPECT_EQ(p.BusyBegins(), 2);
    EXPECT_EQ(p.DatabaseWaitBegins(), 1);
    EXPECT_EQ(p.MaxBusyDepth(), 2);
    EXPECT_EQ(p.Calls()[0].busyDepth, 2);
    EXPECT_EQ(p.Calls()[1].busyDepth, 0);
    p.EndBusy();
    EXPECT_EQ(p.UnbalancedEnds(), 1);
    EXPECT_EQ(p.BusyDepth(), 0);
}

TEST(NonInteractivePrompter, AnswersByWhatTheQuestionPutsAtStake) {
    struct Case { QuestionKind kind; bool assumeYes; bool answered; } cases[] = {
        {QuestionKind::Reading, false, true},      {QuestionKind::Reading, true, true},
        {QuestionKind::Destructive, false, false}, {QuestionKind::Destructive, true, true},
        {QuestionKind::Ordinary, false, false},    {QuestionKind::Ordinary, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " yes=" << c.assumeYes);
        std::ostringstream out;
        NonInteractivePrompter p(c.assumeYes, out);
        if (c.answered) {
            EXPECT_TRUE(p.AskOkCancel("Q1", c.kind));
            EXPECT_TRUE(p.AskOkAbort("Q2", c.kind));
            EXPECT_EQ(p.AskTwoButtons("Q3", "Да", "Нет", "T", c.kind), 1);
            EXPECT_EQ(p.AskYesNoCancel("Q4", c.kind), YesNoCancel::Yes);
            EXPECT_NE(out.str().find("Q4"), std::string::npos);
        } else {
            EXPECT_THROW(p.AskOkCancel("Q1", c.kind), PromptRefused);
            EXPECT_THROW(p.AskOkAbort("Q2", c.kind), PromptRefused);
            EXPECT_THROW(p.AskTwoButtons("Q3", "Да", "Нет", "T", c.kind), PromptRefused);
            EXPECT_THROW(p.AskYesNoCancel("Q4", c.kind), PromptRefused);
        }
    }
}

TEST(NonInteractivePrompter, RefusalCarriesTheQuestion) {
    std::ostringstream out;
    NonInteractivePrompter p(false, out);
    ScopedPrompter guard(p);
    try {
        AskOkCancel("Удалить заказ 12 из реестра?", QuestionKind::Destructive);
        FAIL() << "no refusal";
    } catch (const FtfError& e) {  // a refusal is one of the system's errors
        EXPECT_STREQ(e.what(), "Удалить заказ 12 из реестра?");
        auto* refused = dynamic_cast<const PromptRefused*>(&e);
        ASSERT_NE(refused, nullptr);
        EXPECT_EQ(refused->Kind(), QuestionKind::Destructive);
    }
    EXPECT_THROW(p.InputLine("Копия", "Количество", "1"), PromptRefused);
}

TEST(NonInteractivePrompter, MessagesDialogsAndCursors) {
    std::ostringstream out;
    NonInteractivePrompter p(true, out);
    p.ShowError("Ошибка сохранения заказа!\r\n(диск полон)");
    p.ShowPlain("текст");
    EXPECT_EQ(out.str(), "Ошибка: Ошибка сохранения заказа!\n(диск полон)\nтекст\n");

    EXPECT_TRUE(p.OpenFiles(FileDialogRequest{}).empty());
    EXPECT_FALSE(p.SaveFile(FileDialogRequest{}).has_value());
    ChoiceRequest choice;
    EXPECT_EQ(p.Choose(choice), -1);
    choice.rows = {{"a"}, {"b"}};
    choice.initialRow = 1;
    EXPECT_EQ(p.Choose(choice), 0);

    p.BeginBusy(false);
    p.BeginBusy(true);
    EXPECT_EQ(p.BusyDepth(), 2);
    p.EndBusy();
    p.EndBusy();
    p.EndBusy();
    EXPECT_EQ(p.BusyDepth(), 0);
}
