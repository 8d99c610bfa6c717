#pragma once
// The texts of a sweep and of the searches on its curves, as UTF-8. The
// graph page's own texts continue this namespace in graph/graph_texts.h.

namespace graph_text {

// Messages.
inline constexpr const char* kEmfNotZero = "起電力Ｅを０以外の値にして下さい。";

// Between a stepped value, or anything else named, and what went wrong with it.
inline constexpr const char* kFailedFor = "：";

// What a search adds to its finding, or says when it finds nothing.
inline constexpr const char* kAtSpanEnd = "（掃引範囲の端）";
inline constexpr const char* kNotInSpan = "：掃引範囲にありません";

// The searches of the graphs' menu.
inline constexpr const char* kMenuMaximum = "最大値";
inline constexpr const char* kMenuMinimum = "最小値";
inline constexpr const char* kMenuHalfPower = "－3ｄＢ点";
inline constexpr const char* kMenuPhaseZero = "位相0度点";

}  // namespace graph_text
