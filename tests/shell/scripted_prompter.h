#pragma once

#include <deque>
#include <vector>

#include "shell/confirm_seam.h"

namespace varnelle::testing {

// Answers confirmation boxes from a script and skips pauses, remembering what was asked.
class ScriptedPrompter : public Prompter {
 public:
  struct Question {
    Text message;
    Text caption;
  };

  void AnswerNext(bool ok) { answers_.push_back(ok); }

  bool Confirm(const Text& message, const Text& caption) override {
    questions.push_back({message, caption});
    if (answers_.empty()) return false;
    const bool ok = answers_.front();
    answers_.pop_front();
    return ok;
  }
  void Pause(int milliseconds) override { pauses.push_back(milliseconds); }

  std::vector<Question> questions;
  std::vector<int> pauses;

 private:
  std::deque<bool> answers_;
};

}  // namespace varnelle::testing
