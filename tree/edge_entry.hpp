// Tree entry: the vertex count and the edges, typed one at a time.
#pragma once

#include "dialogue/console.hpp"
#include "tree/adjacency_matrix.hpp"

namespace pruefer {

// Reads the number of vertices of the tree to be typed, at least 3.
Vertex enterVertexCount(Console& console);

// Reads n - 1 distinct loop-free edges into the empty matrix, refusing loops and repeats.
void enterEdges(Console& console, AdjacencyMatrix& matrix);

}  // namespace pruefer
