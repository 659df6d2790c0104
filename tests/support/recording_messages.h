#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/user_messages.h"

namespace kestro::testing {

// Answers the program's message boxes in tests: records every message with its kind and answers
// questions from a queue (OK when the queue is empty).
class RecordingMessages : public UserMessages {
 public:
  struct Message {
    std::string kind;  // "information", "warning", "error", "confirm"
    std::string text;
  };

  void Information(const std::string& text) override { messages.push_back({"information", text}); }
  void Warning(const std::string& text) override { messages.push_back({"warning", text}); }
  void Error(const std::string& text) override { messages.push_back({"error", text}); }
  bool ConfirmOkCancel(const std::string& text) override {
    messages.push_back({"confirm", text});
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  [[nodiscard]] std::vector<std::string> texts(const std::string& kind) const {
    std::vector<std::string> result;
    for (const auto& m : messages) {
      if (m.kind == kind) result.push_back(m.text);
    }
    return result;
  }

  std::vector<Message> messages;
  std::deque<bool> answers;
};

}  // namespace kestro::testing
