// The view commands of the main window: "&Sortierung..." and "Angezeigte Felder...".

#include "mainwindow/gridcolumns.h"
#include "mainwindow/gui/tdatanz.h"
#include "mainwindow/gui/thauptfenster.h"
#include "mainwindow/gui/tsortfenster.h"
#include "mainwindow/sorting.h"
#include "mainwindow/stepcaptions.h"

namespace korvex {

void THauptfenster::MenuAnsichtSortierungClick() {
  TSortFenster dialog(document_.sort_keys, document_.standard_order, this);
  if (dialog.exec() != QDialog::Accepted) return;
  StepScope scope;
  scope.order = true;
  BeginStep(std::move(scope), kSortStep);
  document_.sort_keys = dialog.Keys();
  document_.standard_order = StandardOrderAfterDialog(dialog.StandardChosen(), document_.sort_keys);
  SortCollection(document_, format_);
  ShowView(kKeepView);
  SetModified(true);
  FinishStep();
}

void THauptfenster::ChooseFields() {
  std::vector<TZelle>& columns = ViewColumns(document_);
  TDatAnz dialog(columns, document_.alignment_table, this);
  if (dialog.exec() != QDialog::Accepted) return;
  // The uniform-layout copy that may follow belongs to the same step.
  BeginStep({}, kFieldsStep);
  columns = dialog.ChosenColumns();
  ShowView(kKeepView);
  OfferUniformLayout(false);
  FinishStep();
}

}  // namespace korvex
