#include "mainwindow/discarddecision.h"

#include <gtest/gtest.h>

#include "common/scriptedmessages.h"

namespace korvex {
namespace {

constexpr const char* kQuitQuestion = "Möchten Sie das Programm wirklich beenden?";
constexpr const char* kSaveQuestion = "Die Daten wurden geändert. Möchten Sie sie speichern?";

class DiscardDecisionTest : public ::testing::Test {
 protected:
  DiscardDecision Decide(bool modified, bool quitting, DiscardSettings settings) {
    return DecideDiscard(modified, quitting, settings, messages_);
  }

  test::ScriptedMessages messages_;
};

TEST_F(DiscardDecisionTest, UnchangedDocumentGoesWithoutQuestionUnlessQuittingIsToBeConfirmed) {
  EXPECT_EQ(Decide(false, false, {true, false}), DiscardDecision::kDiscard);
  EXPECT_EQ(Decide(false, true, {false, false}), DiscardDecision::kDiscard);
  EXPECT_TRUE(messages_.shown().empty());

  messages_.Answer(MessageAnswer::kYes);
  EXPECT_EQ(Decide(false, true, {true, false}), DiscardDecision::kDiscard);
  messages_.Answer(MessageAnswer::kNo);
  EXPECT_EQ(Decide(false, true, {true, false}), DiscardDecision::kKeep);
  ASSERT_EQ(messages_.shown().size(), 2u);
  EXPECT_EQ(messages_.shown()[0].text, kQuitQuestion);
  EXPECT_EQ(messages_.shown()[0].kind, MessageKind::kQuestion);
  EXPECT_EQ(messages_.shown()[0].buttons, MessageButtons::kYesNo);
}

TEST_F(DiscardDecisionTest, ChangesAreOfferedForSavingWithCancel) {
  messages_.Answer(MessageAnswer::kYes);
  EXPECT_EQ(Decide(true, false, {}), DiscardDecision::kSave);
  messages_.Answer(MessageAnswer::kNo);
  EXPECT_EQ(Decide(true, false, {}), DiscardDecision::kDiscard);
  messages_.Answer(MessageAnswer::kCancel);
  EXPECT_EQ(Decide(true, true, {}), DiscardDecision::kKeep);
  ASSERT_EQ(messages_.shown().size(), 3u);
  for (const auto& shown : messages_.shown()) {
    EXPECT_EQ(shown.text, kSaveQuestion);
    EXPECT_EQ(shown.buttons, MessageButtons::kYesNoCancel);
  }
}

TEST_F(DiscardDecisionTest, SavingWhenClosingSkipsTheSaveQuestion) {
  EXPECT_EQ(Decide(true, false, {true, true}), DiscardDecision::kSave);
  EXPECT_EQ(Decide(true, true, {false, true}), DiscardDecision::kSave);
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(DiscardDecisionTest, SavingWhenClosingStillAsksWhetherToQuit) {
  messages_.Answer(MessageAnswer::kNo);
  EXPECT_EQ(Decide(true, true, {true, true}), DiscardDecision::kKeep);
  messages_.Answer(MessageAnswer::kYes);
  EXPECT_EQ(Decide(true, true, {true, true}), DiscardDecision::kSave);
  EXPECT_EQ(messages_.texts(), (std::vector<std::string>{kQuitQuestion, kQuitQuestion}));
  EXPECT_TRUE(messages_.AllAnswersUsed());
}

}  // namespace
}  // namespace korvex
