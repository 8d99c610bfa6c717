#pragma once
// Modal message boxes titled "Brivel": messages with one OK button, yes/no
// questions and questions with two courses of action.

#include <QString>

#include <functional>

class QWidget;

enum class MessageIcon { None, Information, Error };

// Shows the box and waits for OK, unless an interceptor is set.
void ShowMessage(const QString& text, MessageIcon icon = MessageIcon::None, QWidget* parent = nullptr);

enum class Answer { Yes, No };

// Asks a question that may lose data: two buttons captioned yes and no;
// Enter and Escape answer No, as does closing the box. Always shown, also
// while a message interceptor is set.
Answer Ask(const QString& question, const QString& yes, const QString& no, QWidget* parent = nullptr);

enum class Choice { Primary, Secondary, Cancel };

// Asks with two courses of action and a way back: buttons captioned primary,
// secondary and cancel in that order. Enter answers defaultChoice; Escape
// and closing the box answer Cancel. Always shown, as Ask is.
Choice AskChoice(const QString& question, const QString& primary, const QString& secondary, const QString& cancel,
                 Choice defaultChoice, QWidget* parent = nullptr);

// Test seam: while set, ShowMessage hands (text, icon) to the interceptor and
// shows nothing. Pass an empty function to show boxes again. Returns the
// interceptor that was set before, so a test can restore it.
using MessageInterceptor = std::function<void(const QString& text, MessageIcon icon)>;
MessageInterceptor SetMessageInterceptor(MessageInterceptor interceptor);
