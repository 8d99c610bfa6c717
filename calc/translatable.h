#pragma once
// Marks a text that the interface shows in the user's language. The texts are
// written in the program's own language, Japanese; the mark names the
// translation context and leaves the text as it is, so that Qt's lupdate
// finds it and the layers above look its translation up where they show it.
// Qt defines the same macro the same way, so either may come first.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
