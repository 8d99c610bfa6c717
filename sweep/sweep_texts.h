#pragma once
// The texts of a sweep and of the searches on its curves, as UTF-8. The
// graph page's own texts continue this namespace in graph/graph_texts.h.

#include "calc/translatable.h"

namespace graph_text {

// Messages.
inline constexpr const char* kEmfNotZero = QT_TRANSLATE_NOOP("Brivel", "起電力Ｅを０以外の値にして下さい。");

// Between a stepped value, or anything else named, and what went wrong with it.
inline constexpr const char* kFailedFor = QT_TRANSLATE_NOOP("Brivel", "：");

// What a search adds to its finding, or says when it finds nothing.
inline constexpr const char* kAtSpanEnd = QT_TRANSLATE_NOOP("Brivel", "（掃引範囲の端）");
inline constexpr const char* kNotInSpan = QT_TRANSLATE_NOOP("Brivel", "：掃引範囲にありません");

// The searches of the graphs' menu.
inline constexpr const char* kMenuMaximum = QT_TRANSLATE_NOOP("Brivel", "最大値");
inline constexpr const char* kMenuMinimum = QT_TRANSLATE_NOOP("Brivel", "最小値");
inline constexpr const char* kMenuHalfPower = QT_TRANSLATE_NOOP("Brivel", "－3ｄＢ点");
inline constexpr const char* kMenuPhaseZero = QT_TRANSLATE_NOOP("Brivel", "位相0度点");

}  // namespace graph_text
