#include "amount_typing.h"

#include <gtest/gtest.h>

namespace {

TEST(AmountTyping, SignOrPointOnItsWayStaysWhileTyping) {
  for (const char* kept : {"-", "+", ".", "-.", "+.", "-5", "-5000", "1,234", "12."}) {
    EXPECT_EQ(AmountWhileTyping(QString::fromLatin1(kept)), QString::fromLatin1(kept));
  }
  for (const char* dropped : {"", "--", "-a", "abc", "5-", ". "}) {
    EXPECT_EQ(AmountWhileTyping(QString::fromLatin1(dropped)), QStringLiteral("0")) << dropped;
  }
}

}  // namespace
