#include "ui/route_file_name.h"

#include <gtest/gtest.h>

#include <string>

namespace korvel {
namespace {

TEST(RouteFileName, Accepted) {
    for (const std::string& text :
         {std::string("LINK 1.HOP"), std::string("a"), std::string("_$%@-+'(){}^#&!`~. 09azAZ"),
          std::string("\xE4\xC4\xF6\xD6\xE5\xC5.HOP"), std::string(252, 'X')}) {
        EXPECT_TRUE(isRouteFileName(text)) << text;
    }
}

TEST(RouteFileName, Refused) {
    for (const std::string& text :
         {std::string(), std::string("C:\\LINK.HOP"), std::string("LINK:1"),
          std::string("DIR\\LINK.HOP"), std::string("a/b"), std::string("a*b"), std::string("a?b"),
          std::string("a\"b"), std::string("a<b"), std::string("a\tb"),
          std::string("\xE9t\xE9.HOP"), std::string("\xDC"), std::string(253, 'X'),
          std::string("a\0b", 3)}) {
        EXPECT_FALSE(isRouteFileName(text)) << text;
    }
}

} // namespace
} // namespace korvel
