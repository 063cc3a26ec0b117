#pragma once

#include <QUndoStack>
#include <cstddef>
#include <functional>
#include <memory>

#include "mainwindow/documentstep.h"

namespace korvex {

// The undo history of the open collection on a QUndoStack. Steps come in already made; taking one
// back or making it again changes the document and then tells the window where to return. The
// history keeps steps up to a memory budget, dropping the oldest first (ordinary steps hold a few
// hundred bytes, so that is many thousands; a step over a whole large collection holds more). Its
// clean state is the saved state: the document counts as modified exactly when the history is
// away from it. A read-only collection has no history.
class UndoHistory {
 public:
  static constexpr size_t kDefaultBudget = size_t{64} << 20;

  explicit UndoHistory(CollectionDocument& document, size_t budget = kDefaultBudget);
  ~UndoHistory();
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  // For the window's signal connections (texts, enabled states).
  QUndoStack& stack() { return stack_; }

  // Called after a step was taken back or made again, with the place to return to.
  void SetAppliedHandler(std::function<void(const StepPlace&)> handler) { applied_ = std::move(handler); }

  // A new or opened collection: the history is emptied and kept only when `enabled` (a writable
  // collection). An opened collection that already counts as modified has no saved state to go
  // back to.
  void Reset(bool enabled);
  bool enabled() const { return enabled_; }

  // A step the document has just gone through; nothing happens without a step or while disabled.
  // Steps that were taken back are dropped.
  void Add(std::unique_ptr<DocumentStep> step);

  void Undo() { stack_.undo(); }
  void Redo() { stack_.redo(); }

  // The document was saved: this is the state without changes.
  void MarkSaved() { stack_.setClean(); }
  // The document changed outside the history (a password, a filter): no step leads back to the
  // saved state any more.
  void ForgetSavedState() { stack_.resetClean(); }

  int StepCount() const { return stack_.count(); }
  size_t MemoryInUse() const;
  size_t budget() const { return budget_; }

 private:
  class Command;
  friend class Command;
  void Applied(const StepPlace& place) const;
  void DropOldestOverBudget();

  CollectionDocument& document_;
  size_t budget_;
  bool enabled_ = true;
  QUndoStack stack_;
  std::function<void(const StepPlace&)> applied_;
};

}  // namespace korvex
