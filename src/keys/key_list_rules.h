#pragma once

#include "compare/compare_lists.h"
#include "keys/key_form.h"
#include "list/line_compare.h"
#include "list/line_groups.h"
#include "list/line_list.h"

namespace pendara {

// The list rules on a list held as lines, with keys: each takes the rule's own path when
// `options` ask for nothing beyond it, and gives the same lines as the commands.

// Sorts by the keys; equal keys keep their order. With `unique`, the first line of each group
// of equal keys.
void SortLinesByKeys(LineList& list, const KeyOptions& options, bool unique,
                     const LineCollator& collator = LineCollator::forUserLocale());

void DedupeLinesByKeys(LineList& list, const KeyOptions& options, KeepCopy keep,
                       const LineCollator& collator = LineCollator::forUserLocale());
void KeepRepeatedLinesByKeys(LineList& list, const KeyOptions& options, bool everyCopy,
                             const LineCollator& collator = LineCollator::forUserLocale());
void KeepSingleLinesByKeys(LineList& list, const KeyOptions& options,
                           const LineCollator& collator = LineCollator::forUserLocale());
void TallyLinesByKeys(LineList& list, const KeyOptions& options,
                      const LineCollator& collator = LineCollator::forUserLocale());

// The four results of comparing two lists, lines being equal when their keys are.
Comparison CompareListsByKeys(const LineList& first, const LineList& second,
                              const KeyOptions& options,
                              const LineCollator& collator = LineCollator::forUserLocale());

}  // namespace pendara
