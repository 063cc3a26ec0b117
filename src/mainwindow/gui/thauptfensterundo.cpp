// "&Rückgängig" and "&Wiederholen": the window's side of the undo history.

#include <QAction>
#include <QToolBar>

#include "mainwindow/gui/thauptfenster.h"
#include "mainwindow/stepcaptions.h"
#include "platform/widetext.h"

namespace korvex {

void THauptfenster::ConnectUndoCommands() {
  Connect("MenuBearbeitenRueckgaengig", &THauptfenster::UndoClick);
  Connect("SpeedRueckgaengig", &THauptfenster::UndoClick);
  Connect("MenuBearbeitenWiederholen", &THauptfenster::RedoClick);
  Connect("SpeedWiederholen", &THauptfenster::RedoClick);
  Toolbar("Datensatz")->insertSeparator(Action("SpeedRueckgaengig"));
  history_.SetAppliedHandler([this](const StepPlace& place) { StepApplied(place); });
  QUndoStack& stack = history_.stack();
  connect(&stack, &QUndoStack::indexChanged, this, &THauptfenster::UpdateUndoItems);
  connect(&stack, &QUndoStack::cleanChanged, this, &THauptfenster::UpdateUndoItems);
  UpdateUndoItems();
}

void THauptfenster::UpdateUndoItems() {
  const QUndoStack& stack = history_.stack();
  const QString undo = FromWin1252(UndoItemText(stack.canUndo() ? ToWin1252(stack.undoText()) : std::string()));
  const QString redo = FromWin1252(RedoItemText(stack.canRedo() ? ToWin1252(stack.redoText()) : std::string()));
  for (const char* name : {"MenuBearbeitenRueckgaengig", "SpeedRueckgaengig"}) {
    Action(name)->setEnabled(stack.canUndo());
  }
  for (const char* name : {"MenuBearbeitenWiederholen", "SpeedWiederholen"}) {
    Action(name)->setEnabled(stack.canRedo());
  }
  Action("MenuBearbeitenRueckgaengig")->setText(undo);
  Action("MenuBearbeitenWiederholen")->setText(redo);
  // The buttons' tooltips name the step as the menu does, without the accelerator.
  Action("SpeedRueckgaengig")->setToolTip(QString(undo).remove(0, 1).replace("&&", "&"));
  Action("SpeedWiederholen")->setToolTip(QString(redo).remove(0, 1).replace("&&", "&"));
}

StepRecorder& THauptfenster::BeginStep(StepScope scope, std::string caption) {
  FinishStep();
  open_step_.emplace(document_, std::move(scope), CoinOfRow());
  open_step_->SetCaption(std::move(caption));
  return *open_step_;
}

void THauptfenster::FinishStep() {
  if (!open_step_) return;
  if (needs_resort_) {
    const TDaten* selected = CoinOfRow();
    BuildRows();
    SelectCoin(selected);
  }
  std::unique_ptr<DocumentStep> step = open_step_->Finish(document_, CoinOfRow());
  open_step_.reset();
  history_.Add(std::move(step));
}

void THauptfenster::UndoClick() {
  FinishStep();
  history_.Undo();
}

void THauptfenster::RedoClick() {
  FinishStep();
  history_.Redo();
}

void THauptfenster::StepApplied(const StepPlace& place) {
  // The step restored the order exactly; sorting now would change it behind the history's back.
  needs_resort_ = false;
  search_.ForgetRecords();
  ApplyCommandStates({{"MenuExtrasWeitersuchen", false}, {"SpeedSuchenWeiter", false}});
  RebuildAreaMenu();
  ShowView(place.view);
  SelectCoin(place.coin);
}

}  // namespace korvex
