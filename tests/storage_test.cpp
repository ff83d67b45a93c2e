// Requests too large for memory or for vertex numbers are refused before their first prompt.
#include "tree/storage.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
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
// Lowers the process's address-space limit to what it has mapped now and `headroom` more, for as
// long as the object lives.
class AddressSpaceHeadroom {
 public:
  explicit AddressSpaceHeadroom(rlim_t headroom) {
    getrlimit(RLIMIT_AS, &saved_);
    rlimit lowered = saved_;
    lowered.rlim_cur = inUse() + headroom;
    setrlimit(RLIMIT_AS, &lowered);
  }
  ~AddressSpaceHeadroom() { setrlimit(RLIMIT_AS, &saved_); }

 private:
  static rlim_t inUse() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
      if (line.starts_with("VmSize:")) {
        return std::stoul(line.substr(7)) * 1024;
      }
    }
    return 0;
  }

  rlimit saved_{};
};

// What a session with the system's own budget writes for the typed input.
std::string sessionOnThisSystem(const std::string& typed) {
  return testing::runSession(typed, MemoryBudget::ofSystem()).out;
}

// A request small enough to be made without asking the system, under an address-space limit
// that leaves it no room all the same: it is refused in words, and the menu comes back.
TEST(UnderAddressLimit, ASmallRequestWithNoRoomLeftIsRefusedInWords) {
  std::string out;
  {
    const AddressSpaceHeadroom tiny(rlim_t{256} << 10);
    out = sessionOnThisSystem("1\n45000\n2\n1\n1\n0\n");
  }
  EXPECT_EQ(out.substr(0, out.find(kMenu, 1)),
            kMenu + "\nHow many vertices does your tree have?: " +
                "\nThere is not enough memory for a tree of 45000 vertices.\n\n");
  EXPECT_NE(out.find("The tree is given by the following matrix"), std::string::npos) << out;
}

// How the first request of a session typing `typed` starts, run in a child process so that every
// session starts from the same address space, as the program does.
enum class Start { kReachedItsFirstPrompt, kRefusedUpFront, kOtherwise };
Start startOf(const std::string& typed, const std::string& firstPrompt) {
  const pid_t child = fork();
  if (child == 0) {
    const std::string out = sessionOnThisSystem(typed);
    _exit(out.find(firstPrompt) != std::string::npos                               ? 0
          : out.find("There is not enough memory for a tree") != std::string::npos ? 1
                                                                                   : 2);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? static_cast<Start>(WEXITSTATUS(status)) : Start::kOtherwise;
}

// Near a limit, a request is either refused before its first prompt or has all it needs: the
// counts just below the first one refused all reach their first edge or entry.
TEST(UnderAddressLimit, CountsJustBelowTheFirstRefusedReachTheirFirstPrompt) {
  const AddressSpaceHeadroom limit(rlim_t{16} << 20);
  for (const auto& [choice, firstPrompt] :
       {std::pair{"1\n", "\nEdge #1\nFirst Vertex: "}, std::pair{"2\n", "\n1 Entry: "}}) {
    const auto start = [choice = std::string(choice), firstPrompt = firstPrompt](int count) {
      return startOf(choice + std::to_string(count) + "\n", firstPrompt);
    };
    int admitted = 3;  // the first count refused lies above `admitted`, at or below `first`
    int first = 1 << 20;
    while (first - admitted > 1) {
      const int middle = admitted + (first - admitted) / 2;
      (start(middle) == Start::kRefusedUpFront ? first : admitted) = middle;
    }
    for (int count = first - 1; count > first - 300; count -= 11) {
      EXPECT_EQ(start(count), Start::kReachedItsFirstPrompt)
          << "choice " << choice << count << " vertices, the first refused at " << first;
    }
  }
}

#endif

}  // namespace
}  // namespace pruefer
