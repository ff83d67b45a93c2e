// What a code tells of its tree without drawing it: a vertex occurs in the code one time fewer than
// it has neighbours, so the leaves are the numbers missing from it; and as every list of n - 2
// numbers from 1 to n is the code of exactly one tree, there are n^(n-2) labelled trees on n
// vertices, (n-2)! / prod (d_i - 1)! of them with degrees d_1 ... d_n.
#pragma once

#include <cstdint>
#include <vector>

#include "tree/decoding.hpp"

namespace pruefer {

// Writes to `degree`, which holds n + 1 entries, the degree of each vertex of the tree whose code
// array is given: one more than the vertex occurs in the code; slot 0 holds 0. Allocates
// nothing, so that a request can count in the room it made before its first prompt.
void countDegrees(const CodeArray& code, std::vector<Vertex>& degree);

// The degree of each vertex of the tree whose code array is given, on n vertices: index v holds
// vertex v's, index 0 nothing.
std::vector<Vertex> degreesOf(const CodeArray& code);

// The leaves of the tree whose code array is given, lowest first.
std::vector<Vertex> leavesOf(const CodeArray& code);

// How many labelled trees there are on n vertices (2 <= n <= 21, so that it fits 64 bits).
std::uint64_t treesOn(Vertex n);

// How many labelled trees on n vertices have the degrees given (index v vertex v's, index 0
// nothing; each at least 1, summing to 2n - 2, and n <= 21).
std::uint64_t treesWithDegrees(const std::vector<Vertex>& degrees);

}  // namespace pruefer
