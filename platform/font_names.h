#pragma once
// The face names the program asks for, as UTF-8.

inline constexpr const char* kFaceMincho = "ＭＳ 明朝";
inline constexpr const char* kFaceMinchoNoSpace = "ＭＳ明朝";
inline constexpr const char* kFacePGothic = "ＭＳ Ｐゴシック";
