#pragma once
// The unit words shown beside values everywhere in the program, as UTF-8:
// full-width Latin letters, Ω (U+03A9) and μ (U+03BC).

namespace unit_text {

inline constexpr const char* kOhm = "Ω";
inline constexpr const char* kKiloOhm = "ＫΩ";
inline constexpr const char* kMegaOhm = "ＭΩ";
inline constexpr const char* kGigaOhm = "ＧΩ";
inline constexpr const char* kMicroAmpere = "μＡ";
inline constexpr const char* kMilliAmpere = "ｍＡ";
inline constexpr const char* kAmpere = "Ａ";
inline constexpr const char* kKiloAmpere = "ＫＡ";
inline constexpr const char* kMicroVolt = "μＶ";
inline constexpr const char* kMilliVolt = "ｍＶ";
inline constexpr const char* kVolt = "Ｖ";
inline constexpr const char* kKiloVolt = "ＫＶ";
inline constexpr const char* kHertz = "Ｈｚ";
inline constexpr const char* kKiloHertz = "ＫＨｚ";
inline constexpr const char* kMegaHertz = "ＭＨｚ";
inline constexpr const char* kHenry = "Ｈ";
inline constexpr const char* kMilliHenry = "ｍＨ";
inline constexpr const char* kMicroHenry = "μＨ";
inline constexpr const char* kFarad = "Ｆ";
inline constexpr const char* kMicroFarad = "μＦ";
inline constexpr const char* kPicoFarad = "ＰＦ";

}  // namespace unit_text
