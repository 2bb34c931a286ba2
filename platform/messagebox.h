// Modal message boxes. Every box also writes "<caption>: <text>" to standard error, so a
// failure is visible where no one sees the screen. Tests install a responder instead of boxes.
#pragma once

#include <functional>
#include <string>

enum class MessageButtons { Ok, RetryCancel };
enum class MessageAnswer { Ok, Retry, Cancel };

using MessageResponder = std::function<MessageAnswer(
    const std::string& caption, const std::string& text, MessageButtons buttons)>;

MessageAnswer ShowMessageBox(const std::string& caption, const std::string& text,
                             MessageButtons buttons);

// An empty responder puts the real boxes back.
void SetMessageResponder(MessageResponder responder);
