#pragma once
// The Messages port: how the core tells the user something and asks simple questions.
// Texts are the system's own, in Windows-1252 as the core keeps them; an implementation converts
// them for its output.

#include <string_view>

namespace korvel {

enum class MessageIcon { None, Information, Warning, Exclamation, Error, Question };
// YesNoDefaultNo: a question whose safe answer is No (Enter keeps things as they are).
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The caption most boxes carry.
inline constexpr std::string_view kAppCaption = "Korvel";

class Messages {
  public:
    virtual ~Messages() = default;
    // Shows a message box and answers with the button the user pressed.
    virtual MessageAnswer show(std::string_view text, std::string_view caption, MessageIcon icon,
                               MessageButtons buttons) = 0;
    // The default beep that precedes some boxes.
    virtual void beep() = 0;

    MessageAnswer show(std::string_view text, std::string_view caption = kAppCaption,
                       MessageIcon icon = MessageIcon::None) {
        return show(text, caption, icon, MessageButtons::Ok);
    }
};

// The answer of the default button: the first one, except where No is named the default.
constexpr MessageAnswer defaultAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    case MessageButtons::YesNoDefaultNo:
        return MessageAnswer::No;
    }
    return MessageAnswer::Ok;
}

} // namespace korvel
