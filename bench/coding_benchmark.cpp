// Speed of the encoding and the decoding on trees of a million vertices, and of typing a long
// path's edges.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <sstream>
#include <string>

#include "requests/code_of_tree.hpp"
#include "tree/decoding.hpp"
#include "tree/encoding.hpp"

namespace pruefer {
namespace {

constexpr Vertex kVertices = 1'000'000;

enum class Shape { kRandom, kStar, kPath };

// A tree of the given shape: random ones hang each vertex on an earlier one, then relabel.
AdjacencyMatrix treeOf(Shape shape, Vertex n) {
  std::mt19937 random(7);
  std::vector<Vertex> label(static_cast<std::size_t>(n) + 1);
  std::iota(label.begin(), label.end(), 0);
  if (shape == Shape::kRandom) {
    std::shuffle(label.begin() + 1, label.end(), random);
  }
  AdjacencyMatrix matrix(n);
  for (Vertex v = 2; v <= n; ++v) {
    const Vertex parent = shape == Shape::kStar ? 1
                          : shape == Shape::kPath
                              ? v - 1
                              : std::uniform_int_distribution<Vertex>(1, v - 1)(random);
    matrix.join(label[static_cast<std::size_t>(v)], label[static_cast<std::size_t>(parent)]);
  }
  return matrix;
}

// A code of the given shape: random entries, one vertex repeated, or the path 2, 3, ..., n - 1.
CodeArray codeOf(Shape shape, Vertex n) {
  std::mt19937 random(11);
  CodeArray code(static_cast<std::size_t>(n), 0);
  for (Vertex t = 1; t <= n - 2; ++t) {
    code[static_cast<std::size_t>(t)] = shape == Shape::kStar ? n / 2
                                        : shape == Shape::kPath
                                            ? t + 1
                                            : std::uniform_int_distribution<Vertex>(1, n)(random);
  }
  return code;
}

void encode(benchmark::State& state, Shape shape) {
  const AdjacencyMatrix matrix = treeOf(shape, kVertices);
  CodeArray code(static_cast<std::size_t>(kVertices), 0);
  WalkSpace space(kVertices);
  for (auto _ : state) {
    findPrueferCode(matrix, code, space);
    benchmark::DoNotOptimize(code.data());
  }
}

void decode(benchmark::State& state, Shape shape) {
  const CodeArray code = codeOf(shape, kVertices);
  WalkSpace space(kVertices);
  for (auto _ : state) {
    state.PauseTiming();
    CodeArray consumed = code;
    auto matrix = std::make_unique<AdjacencyMatrix>(kVertices);
    state.ResumeTiming();
    findTree(*matrix, consumed, space);
    benchmark::DoNotOptimize(matrix.get());
    state.PauseTiming();
    matrix.reset();
    state.ResumeTiming();
  }
}

// Typing the edges of a path on n vertices, each checked against the set of those typed before:
// the set spreads them as well when n is a power of two, whose slots line up with the bits.
void typePath(benchmark::State& state) {
  const auto n = static_cast<Vertex>(state.range(0));
  std::string typed;
  for (Vertex v = 1; v < n; ++v) {
    typed += std::to_string(v) + "\n" + std::to_string(v + 1) + "\n";
  }
  std::ostream nowhere(nullptr);  // the prompts are not what is measured
  for (auto _ : state) {
    std::istringstream in(typed);
    Session session{in, nowhere, nowhere, MemoryBudget::fixed(UINT64_MAX)};
    AdjacencyMatrix matrix(n);
    EdgeSet set(n);
    enterEdges(session, matrix, set);
    benchmark::DoNotOptimize(matrix.ones(1).data());
  }
}

BENCHMARK_CAPTURE(encode, random_tree, Shape::kRandom)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, star, Shape::kStar)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, path, Shape::kPath)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, random_code, Shape::kRandom)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, one_vertex_repeated, Shape::kStar)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, path, Shape::kPath)->Unit(benchmark::kMillisecond);
BENCHMARK(typePath)->Arg((1 << 17) - 1)->Arg(1 << 17)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pruefer

BENCHMARK_MAIN();
