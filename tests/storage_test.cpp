// Requests too large for memory or for vertex numbers are refused before their first prompt.
#include "tree/storage.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>

#ifdef __linux__
#include <sys/resource.h>
#endif

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

#ifdef __linux__
// The address space the process has mapped, from /proc/self/status.
rlim_t addressSpaceInUse() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmSize:")) {
      return std::stoul(line.substr(7)) * 1024;
    }
  }
  return 0;
}

// A request small enough to be made without asking the system, under an address-space limit
// that leaves it no room all the same: it is refused in words, and the menu comes back.
TEST(UnderAddressLimit, ASmallRequestWithNoRoomLeftIsRefusedInWords) {
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_AS, &saved), 0);
  std::istringstream in("1\n45000\n2\n1\n1\n0\n");
  std::ostringstream out;
  rlimit tiny = saved;
  tiny.rlim_cur = addressSpaceInUse() + (rlim_t{256} << 10);
  ASSERT_EQ(setrlimit(RLIMIT_AS, &tiny), 0);
  Session session{in, out, out, MemoryBudget::ofSystem()};
  const int status = runMenu(session);
  setrlimit(RLIMIT_AS, &saved);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.str().substr(0, out.str().find(kMenu, 1)),
            kMenu + "\nHow many vertices does your tree have?: " +
                "\nThere is not enough memory for a tree of 45000 vertices.\n\n");
}
#endif

}  // namespace
}  // namespace pruefer
