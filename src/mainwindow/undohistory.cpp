#include "mainwindow/undohistory.h"

#include <QSignalBlocker>
#include <vector>

#include "platform/widetext.h"

namespace korvex {

// The stack's entry for one step. A step arrives made, so the first redo that push() calls does
// nothing. The step is shared so that dropping old entries can rebuild the stack around it.
class UndoHistory::Command final : public QUndoCommand {
 public:
  Command(UndoHistory& history, std::shared_ptr<DocumentStep> step, size_t memory)
      : QUndoCommand(FromWin1252(step->caption())), history_(history), step_(std::move(step)), memory_(memory) {}

  void redo() override {
    if (made_) {
      made_ = false;
      return;
    }
    step_->Redo(history_.document_);
    history_.Applied(step_->after());
  }

  void undo() override {
    step_->Undo(history_.document_);
    history_.Applied(step_->before());
  }

  const std::shared_ptr<DocumentStep>& step() const { return step_; }
  // The step's size when it was made; taken back it holds less or more, but it is never kept so.
  size_t memory() const { return memory_; }

 private:
  UndoHistory& history_;
  std::shared_ptr<DocumentStep> step_;
  size_t memory_;
  bool made_ = true;
};

UndoHistory::UndoHistory(CollectionDocument& document, size_t budget) : document_(document), budget_(budget) {
  QObject::connect(&stack_, &QUndoStack::cleanChanged, &stack_,
                   [this](bool clean) { document_.SetModified(!clean); });
}

UndoHistory::~UndoHistory() {
  const QSignalBlocker quiet(&stack_);
  stack_.clear();
}

void UndoHistory::Reset(bool enabled) {
  enabled_ = enabled;
  {
    // Emptying must not mark the document unmodified: it is whatever the caller made it.
    const QSignalBlocker quiet(&stack_);
    stack_.clear();
  }
  if (document_.modified()) stack_.resetClean();
}

void UndoHistory::Add(std::unique_ptr<DocumentStep> step) {
  if (!step || !enabled_) return;
  const size_t memory = step->MemorySize();
  stack_.push(new Command(*this, std::shared_ptr<DocumentStep>(std::move(step)), memory));
  DropOldestOverBudget();
}

void UndoHistory::Applied(const StepPlace& place) const {
  if (applied_) applied_(place);
}

size_t UndoHistory::MemoryInUse() const {
  size_t bytes = 0;
  for (int i = 0; i < stack_.count(); ++i) bytes += static_cast<const Command*>(stack_.command(i))->memory();
  return bytes;
}

void UndoHistory::DropOldestOverBudget() {
  size_t total = MemoryInUse();
  if (total <= budget_) return;
  // Called right after a push: every step is made and the newest always stays.
  const int count = stack_.count();
  int dropped = 0;
  while (dropped < count - 1 && total > budget_) {
    total -= static_cast<const Command*>(stack_.command(dropped))->memory();
    ++dropped;
  }
  std::vector<const Command*> kept;
  for (int i = dropped; i < count; ++i) kept.push_back(static_cast<const Command*>(stack_.command(i)));
  std::vector<std::pair<std::shared_ptr<DocumentStep>, size_t>> steps;
  for (const Command* command : kept) steps.emplace_back(command->step(), command->memory());
  const int clean = stack_.cleanIndex() - dropped;

  // QUndoStack cannot drop its oldest entries, so it is filled again with the newer ones. Nothing
  // the window shows changes (same top step, same clean state), so it hears nothing.
  const QSignalBlocker quiet(&stack_);
  stack_.clear();
  for (int i = 0; i < static_cast<int>(steps.size()); ++i) {
    if (i == clean) stack_.setClean();
    stack_.push(new Command(*this, std::move(steps[i].first), steps[i].second));
  }
  if (clean == static_cast<int>(steps.size())) stack_.setClean();
  else if (clean < 0 || clean > static_cast<int>(steps.size())) stack_.resetClean();
}

}  // namespace korvex
