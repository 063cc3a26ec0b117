#pragma once

#include "model/collectiondocument.h"
#include "platform/messages.h"

namespace korvex {

// Whether the current view's column layout is to be copied to every view: never without the
// setting "Datenansicht in allen Kategorien gleich"; with it, the user is asked only when
// "Rückfrage, wenn nicht" is ticked and the views are known to differ.
bool WantsUniformLayout(bool same_layout_everywhere, bool ask_first, bool layouts_uniform,
                        MessageService& messages);

// Copies the current view's column list (field type, width, alignment of every entry) into
// `all_cells` and into the columns of every area.
void CopyLayoutToAllViews(CollectionDocument& document);

}  // namespace korvex
