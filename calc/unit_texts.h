#pragma once
// The unit words shown beside values everywhere in the program, as UTF-8:
// full-width Latin letters, Ω (U+03A9) and μ (U+03BC).

#include "translatable.h"

namespace unit_text {

inline constexpr const char* kOhm = QT_TRANSLATE_NOOP("Brivel", "Ω");
inline constexpr const char* kKiloOhm = QT_TRANSLATE_NOOP("Brivel", "ＫΩ");
inline constexpr const char* kMegaOhm = QT_TRANSLATE_NOOP("Brivel", "ＭΩ");
inline constexpr const char* kGigaOhm = QT_TRANSLATE_NOOP("Brivel", "ＧΩ");
inline constexpr const char* kMicroAmpere = QT_TRANSLATE_NOOP("Brivel", "μＡ");
inline constexpr const char* kMilliAmpere = QT_TRANSLATE_NOOP("Brivel", "ｍＡ");
inline constexpr const char* kAmpere = QT_TRANSLATE_NOOP("Brivel", "Ａ");
inline constexpr const char* kKiloAmpere = QT_TRANSLATE_NOOP("Brivel", "ＫＡ");
inline constexpr const char* kMicroVolt = QT_TRANSLATE_NOOP("Brivel", "μＶ");
inline constexpr const char* kMilliVolt = QT_TRANSLATE_NOOP("Brivel", "ｍＶ");
inline constexpr const char* kVolt = QT_TRANSLATE_NOOP("Brivel", "Ｖ");
inline constexpr const char* kKiloVolt = QT_TRANSLATE_NOOP("Brivel", "ＫＶ");
inline constexpr const char* kHertz = QT_TRANSLATE_NOOP("Brivel", "Ｈｚ");
inline constexpr const char* kKiloHertz = QT_TRANSLATE_NOOP("Brivel", "ＫＨｚ");
inline constexpr const char* kMegaHertz = QT_TRANSLATE_NOOP("Brivel", "ＭＨｚ");
inline constexpr const char* kHenry = QT_TRANSLATE_NOOP("Brivel", "Ｈ");
inline constexpr const char* kMilliHenry = QT_TRANSLATE_NOOP("Brivel", "ｍＨ");
inline constexpr const char* kMicroHenry = QT_TRANSLATE_NOOP("Brivel", "μＨ");
inline constexpr const char* kFarad = QT_TRANSLATE_NOOP("Brivel", "Ｆ");
inline constexpr const char* kMicroFarad = QT_TRANSLATE_NOOP("Brivel", "μＦ");
inline constexpr const char* kPicoFarad = QT_TRANSLATE_NOOP("Brivel", "ＰＦ");

}  // namespace unit_text
