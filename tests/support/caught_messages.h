#pragma once
// The messages the program shows, recorded instead of shown while this lives.

#include <QString>
#include <vector>

#include "platform/message_box.h"

struct CaughtMessage {
    QString text;
    MessageIcon icon;
};

class CaughtMessages : public std::vector<CaughtMessage> {
public:
    CaughtMessages()
        : previous_(SetMessageInterceptor([this](const QString& text, MessageIcon icon) {
              push_back({text, icon});
          }))
    {
    }
    ~CaughtMessages() { SetMessageInterceptor(previous_); }
    CaughtMessages(const CaughtMessages&) = delete;
    CaughtMessages& operator=(const CaughtMessages&) = delete;

private:
    MessageInterceptor previous_;
};
