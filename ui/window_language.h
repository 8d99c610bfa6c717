#pragma once
// The language the windows speak, kept in the user's settings across runs:
// the one chosen last under 表示 → 言語, Japanese until one is chosen.

#include "document/language.h"

Language RememberedLanguage();
void RememberLanguage(Language language);
