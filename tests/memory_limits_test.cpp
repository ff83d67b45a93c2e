// The program under real memory limits: a failed allocation refused in words before the first
// prompt, the largest request the budget allows finishing, and every limit from the one the
// program loads under ending it with its status and words, never by a signal.
#include "tree/storage.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <list>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "launch.hpp"
#include "program/menu.hpp"
#include "support.hpp"
#include "temporary_folder.hpp"

namespace pruefer {
namespace {

using testing::kMenu;

std::string session(const std::string& typed, std::uint64_t budget) {
  return testing::runSession(typed, budget).out;
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
TEST(UnderAddressLimit, AFailedAllocationBecomesARefusalBeforeTheFirstPrompt) {
  if (!addressSpaceIsLimited()) {
    GTEST_SKIP() << "needs a limited address space";
  }
  try {
    makeTreeStorage(INT_MAX, UINT64_MAX, Coding::encoding);
    FAIL() << "the storage was made";
  } catch (const TreeTooLarge& refusal) {
    EXPECT_EQ(refusal.vertices, INT_MAX);
    EXPECT_EQ(refusal.shortage, TreeTooLarge::Shortage::memory);
  }
  // A request's storage is made whole before its first prompt, or not at all: here its matrix
  // alone could be had, and the rest of it not.
  EXPECT_EQ(session("1\n17000000\n0\n", UINT64_MAX),
            kMenu + "\nHow many vertices does your tree have?: " +
                "\nThere is not enough memory for a tree of 17000000 vertices.\n\n" + kMenu);
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

// The largest vertex count whose request is made without asking the system: 4 MiB at most.
Vertex largestSurelyAvailable() {
  Vertex n = 3;
  while (bytesForTree(static_cast<std::uint64_t>(n) + 1) <= std::uint64_t{4} << 20) {
    ++n;
  }
  return n;
}

// A request small enough to be made without asking the system, under an address-space limit
// that leaves it no room all the same: it is refused in words, and the menu comes back.
TEST(UnderAddressLimit, ASmallRequestWithNoRoomLeftIsRefusedInWords) {
  const std::string n = std::to_string(largestSurelyAvailable());
  std::string out;
  {
    const AddressSpaceHeadroom tiny(rlim_t{256} << 10);
    out = sessionOnThisSystem("1\n" + n + "\n2\n1\n1\n0\n");
  }
  EXPECT_EQ(out.substr(0, out.find(kMenu, 1)),
            kMenu + "\nHow many vertices does your tree have?: " +
                "\nThere is not enough memory for a tree of " + n + " vertices.\n\n");
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

// Keeps the first and the last few thousand characters written to it, and no more: enough to
// tell how a request started and ended whose printout takes gigabytes.
class HeadAndTail : public std::streambuf {
 public:
  static constexpr std::size_t kKept = 4096;
  std::string head;
  std::string tail;

 protected:
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) {
      const char ch = traits_type::to_char_type(c);
      xsputn(&ch, 1);
    }
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* data, std::streamsize size) override {
    std::string_view text(data, static_cast<std::size_t>(size));
    if (head.size() < kKept) {
      head.append(text.substr(0, kKept - head.size()));
    }
    text = text.substr(text.size() > kKept ? text.size() - kKept : 0);
    tail.append(text);
    if (tail.size() > 2 * kKept) {
      tail.erase(0, tail.size() - kKept);
    }
    return size;
  }
};

// Runs `typed` in a child process whose address space is limited to what it maps and `headroom`
// more; true when its output starts with `start` and ends with `end`.
bool startsAndEndsUnderHeadroom(const std::string& typed, rlim_t headroom, const std::string& start,
                                const std::string& end) {
  const pid_t child = fork();
  if (child == 0) {
    std::istringstream in(typed);
    HeadAndTail kept;
    kept.head.reserve(HeadAndTail::kKept);
    kept.tail.reserve(3 * HeadAndTail::kKept);
    std::ostream out(&kept);
    Session session{in, out, out, MemoryBudget::ofSystem()};
    {
      const AddressSpaceHeadroom limit(headroom);
      runMenu(session);
    }
    _exit(kept.head.starts_with(start) && kept.tail.ends_with(end) ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A few MiB of room, less than the 4 MiB that a request may take without asking the system:
// the largest such request is made, prompted for and finished, with all it needs taken before
// its first prompt; the next count up asks the system, and is refused up front.
TEST(UnderAddressLimit, TheLargestRequestNotAskedForFinishesAndTheNextIsRefused) {
  const Vertex n = largestSurelyAvailable();
  const rlim_t headroom = rlim_t{3840} << 10;
  std::string edges;    // of the path 1, 2, ..., n
  std::string entries;  // its code, 2, 3, ..., n - 1
  for (Vertex v = 1; v < n; ++v) {
    edges += std::to_string(v) + '\n' + std::to_string(v + 1) + '\n';
    entries += v > 1 ? std::to_string(v) + '\n' : "";
  }
  const std::string vertices = std::to_string(n);
  EXPECT_TRUE(startsAndEndsUnderHeadroom(
      "1\n" + vertices + "\n" + edges + "0\n", headroom,
      kMenu + "\nHow many vertices does your tree have?: Please enter the ",
      std::to_string(n - 1) + " )\n\n" + kMenu))
      << "a tree of " << n << " vertices";
  EXPECT_TRUE(startsAndEndsUnderHeadroom(
      "2\n" + std::to_string(n - 2) + "\n" + entries + "0\n", headroom,
      kMenu + "\nHow many entries are in the Pruefer Code?: Enter the numbers", "  \n\n\n" + kMenu))
      << "a code of " << n - 2 << " entries";
  const std::string refused = "\nThere is not enough memory for a tree of " +
                              std::to_string(n + 1) + " vertices.\n\n" + kMenu;
  EXPECT_TRUE(startsAndEndsUnderHeadroom(
      "1\n" + std::to_string(n + 1) + "\n0\n", headroom,
      kMenu + "\nHow many vertices does your tree have?: " + refused, refused));
  EXPECT_TRUE(startsAndEndsUnderHeadroom(
      "2\n" + std::to_string(n - 1) + "\n0\n", headroom,
      kMenu + "\nHow many entries are in the Pruefer Code?: " + refused, refused));
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

// How the program ends on the typed session in the file `input` under an address-space limit
// of `kib` KiB: its status, or 128 and the signal, and what it wrote on standard error.
std::pair<int, std::string> endingUnder(const std::string& input, std::uint64_t kib) {
  const testing::Ended ended = testing::runProgram(
      "", {.inputFile = input.c_str(), .discardOutput = true, .addressLimitKiB = kib});
  return {ended.status, ended.err};
}

// The smallest address-space limit, in KiB, under which the program's run on `session` ends
// with a status that `holds`, where every larger limit also gives one.
template <typename Holds>
rlim_t smallestLimit(const std::string& session, Holds holds) {
  rlim_t fails = 1024;  // the smallest limit lies above `fails`, at or below `holds`
  rlim_t passes = 1 << 16;
  while (passes - fails > 1) {
    const rlim_t middle = fails + (passes - fails) / 2;
    (holds(endingUnder(session, middle).first) ? passes : fails) = middle;
  }
  return passes;
}

// From the smallest address-space limit the program loads under to the smallest it quits under,
// page by page, it says that memory is too short and stops with status 2. From there on, page by
// page over 3 MiB: each request that ends by an exception (the input ending after its first prompt,
// a graph with a cycle, a refusal for want of memory) ends the program by itself, with a status and
// the words that go with it, never by a signal.
TEST(MemoryLimits, EveryLimitTheProgramStartsUnderEndsItWithItsStatusAndWords) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizers reserve far more address space than any limit walked here";
#endif
  const testing::TemporaryFolder folder;
  const auto write = [&folder](const std::string& name, const std::string& typed) {
    std::ofstream(folder.path() / name, std::ios::binary) << typed;
    return (folder.path() / name).string();
  };
  std::string cycle = "1\n1000\n1\n2\n2\n3\n3\n1\n";  // and a path through 4 to 1000
  for (int v = 4; v < 1000; ++v) {
    cycle += std::to_string(v) + "\n" + std::to_string(v + 1) + "\n";
  }
  const std::string sessions[] = {write("tree", "1\n30000\n"), write("code", "2\n29998\n"),
                                  write("cycle", cycle + "0\n")};
  // Where the program first loads (below, the loader fails with 127), and where it first quits.
  const std::string quit = write("quit", "0\n");
  const rlim_t loads = smallestLimit(quit, [](int status) { return status != 127; });
  const rlim_t started = smallestLimit(quit, [](int status) { return status == 0; });
  // Between the two, memory is too short for the program to start: it says so and stops.
  const std::pair<int, std::string> stopped{2, "pruefer: not enough memory left to go on\n"};
  for (rlim_t kib = loads; kib < started; kib += 4) {
    EXPECT_EQ(endingUnder(quit, kib), stopped) << "under " << kib << " KiB";
  }
  EXPECT_GT(started, loads + 64) << "the walk below the start reaches both ways of stopping";
  const std::set<std::pair<int, std::string>> endings = {
      {0, ""},
      {1, "pruefer: the input ended before the request was finished\n"},
      {2, "pruefer: not enough memory left to go on\n"}};
  std::set<int> seen;
  for (rlim_t kib = started; kib <= started + 3072; kib += 4) {
    // The three sessions run side by side.
    std::list<testing::Program> runs;
    for (const std::string& session : sessions) {
      runs.emplace_back(testing::Launch{
          .inputFile = session.c_str(), .discardOutput = true, .addressLimitKiB = kib});
    }
    std::size_t k = 0;
    for (testing::Program& run : runs) {
      run.endInput();
      const std::string err = run.readErrors();
      const std::pair<int, std::string> ending{run.wait(), err};
      EXPECT_TRUE(endings.contains(ending)) << sessions[k] << " under " << kib << " KiB: status "
                                            << ending.first << ", " << ending.second;
      if (k++ == 0) {
        seen.insert(ending.first);
      }
    }
  }
  // The walk reaches both sides: the tree refused up front, and made with its first prompt asked.
  EXPECT_TRUE(seen.contains(0) && seen.contains(1)) << "from " << started << " KiB";
}

#endif

}  // namespace
}  // namespace pruefer
