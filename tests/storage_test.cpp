// Requests too large for memory or for vertex numbers are refused before their first prompt, by
// the storage's own arithmetic and the budget it is given.
#include "tree/storage.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>

#include "program/menu.hpp"
#include "support.hpp"

namespace pruefer {
namespace {

using testing::kMenu;

std::string session(const std::string& typed, std::uint64_t budget) {
  return testing::runSession(typed, budget).out;
}

TEST(Storage, RefusesATreeBeyondTheBudgetBeforeItsFirstPrompt) {
  const std::uint64_t budget = bytesForTree(1000);
  EXPECT_EQ(session("1\n1001\n0\n", budget),
            kMenu + "\nHow many vertices does your tree have?: " +
                "\nThere is not enough memory for a tree of 1001 vertices.\n\n" + kMenu);
  EXPECT_EQ(session("2\n999\n0\n", budget),
            kMenu + "\nHow many entries are in the Pruefer Code?: " +
                "\nThere is not enough memory for a tree of 1001 vertices.\n\n" + kMenu);
  // A tree the budget just covers goes on to its edges.
  EXPECT_NE(session("1\n1000\n0\n", budget).find("Please enter the 999 edges"), std::string::npos);
}

// The system is asked only by a request too large to be sure of, and again by each such request,
// since a limit may change while the menu waits.
TEST(Storage, AsksTheSystemOnlyForRequestsItCannotBeSureOf) {
  int asked = 0;
  const auto budget = MemoryBudget::reading(
      [&asked] {
        ++asked;
        return std::uint64_t{0};
      },
      bytesForTree(1000));
  const std::string out = testing::runSession("2\n1\n3\n1\n1001\n1\n1001\n1\n1000\n", budget).out;
  EXPECT_EQ(asked, 2);
  EXPECT_NE(out.find("\nThere is not enough memory for a tree of 1001 vertices.\n\n" + kMenu +
                     "\nHow many vertices does your tree have?: "
                     "\nThere is not enough memory for a tree of 1001 vertices.\n\n"),
            std::string::npos);
  EXPECT_NE(out.find("Please enter the 999 edges"), std::string::npos);
}

TEST(Storage, RefusesCodesWhoseTreeHasMoreVerticesThanCanBeNumbered) {
  EXPECT_EQ(session("2\n2147483646\n2\n2147483647\n0\n", UINT64_MAX),
            kMenu + "\nHow many entries are in the Pruefer Code?: " +
                "\nA tree of 2147483648 vertices is too large: vertices are numbered up to "
                "2147483647.\n\n" +
                kMenu + "\nHow many entries are in the Pruefer Code?: " +
                "\nA tree of 2147483649 vertices is too large: vertices are numbered up to "
                "2147483647.\n\n" +
                kMenu);
}

TEST(Storage, GrowsLinearlyWithTheVertexCount) {
  EXPECT_LT(bytesForTree(20000), 4u << 20);
  EXPECT_EQ(bytesForTree(2000000) - bytesForTree(1000000),
            bytesForTree(3000000) - bytesForTree(2000000));
}

}  // namespace
}  // namespace pruefer
