#include "platform/console/console_messages.h"

#include "platform/text_encoding.h"

namespace korvel {

MessageAnswer ConsoleMessages::show(std::string_view text, std::string_view caption,
                                    MessageIcon /*icon*/, MessageButtons buttons) {
    if (!caption.empty()) {
        out_ << cp1252ToUtf8(caption) << ": ";
    }
    out_ << cp1252ToUtf8(text) << '\n';
    out_.flush();
    return defaultAnswer(buttons);
}

} // namespace korvel
