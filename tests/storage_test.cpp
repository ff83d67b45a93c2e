// Requests too large for memory or for vertex numbers are refused before their first prompt.
#include "tree/storage.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>

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

bool addressSpaceIsLimited() {
  std::ifstream limits("/proc/self/limits");
  for (std::string line; std::getline(limits, line);) {
    if (line.starts_with("Max address space")) {
      return line.find("unlimited") == std::string::npos;
    }
  }
  return false;
}

// Run by the test that limits the process's address space: there, the storage for the largest
// tree cannot be had even though the budget allows it, and allocation fails at once.
TEST(UnderAddressLimit, AFailedAllocationBecomesARefusalOrEndsTheRequest) {
  if (!addressSpaceIsLimited()) {
    GTEST_SKIP() << "needs a limited address space";
  }
  try {
    makeTreeStorage(INT_MAX, UINT64_MAX);
    FAIL() << "the storage was made";
  } catch (const TreeTooLarge& refusal) {
    EXPECT_STREQ(refusal.what(), "There is not enough memory for a tree of 2147483647 vertices.");
  }
  // Storage that can be had, when what the request takes later cannot: the request ends with a
  // message of its own and the menu comes back.
  EXPECT_EQ(session("1\n17000000\n0\n", UINT64_MAX),
            kMenu + "\nHow many vertices does your tree have?: " +
                "Please enter the 16999999 edges of your tree, one at a time.\n" +
                "\nThere was not enough memory to finish the request.\n\n" + kMenu);
}

}  // namespace
}  // namespace pruefer
