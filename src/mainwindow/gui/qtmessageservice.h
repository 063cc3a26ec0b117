#pragma once

#include "platform/messages.h"

class QWidget;

namespace korvex {

// Shows the program's messages and questions as modal message boxes over the main window,
// with the system sound of their kind. Captions default to the application title.
class QtMessageService final : public MessageService {
 public:
  explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}

  void SetParent(QWidget* parent) { parent_ = parent; }

  MessageAnswer Show(MessageKind kind, const std::string& text,
                     MessageButtons buttons = MessageButtons::kOk,
                     const std::string& caption = {}) override;

 private:
  QWidget* parent_;
};

}  // namespace korvex
