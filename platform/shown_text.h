#pragma once
// Texts a widget keeps for as long as it lives: captions, titles, tool tips
// and accessible names given once from their marked source text (language.h).
// Each is shown in the language in use, and shown again from its source
// whenever the language changes, so that no window needs code of its own to
// follow the language. Texts made from what a window shows (results, units,
// definitions) are shown again by that window instead.

#include <QStringList>
#include <functional>

#include "document/language.h"

class QObject;
class QWidget;

// The text properties that a source text can be shown in.
enum class TextRole { Text, Title, WindowTitle, ToolTip, AccessibleName, AccessibleDescription };

// Shows the source text, its %1, %2 … filled with the arguments, as the
// target's property of that role. The target is a widget, or an object
// (an action) with a widget among its ancestors.
void ShowText(QObject* target, TextRole role, const MarkedText& source, const QStringList& arguments = {});

// The same for a text that the target shows its own way: show is called with
// the text now and after each change of language, for as long as the target
// lives. A later text of the same target and role, or shown its own way,
// replaces the earlier one.
void ShowText(QObject* target, const MarkedText& source, std::function<void(const QString&)> show);
