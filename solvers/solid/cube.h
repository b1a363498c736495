#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the cube window.
namespace cube {
inline constexpr std::string_view Edge = "Text1", EdgeSum = "Text2", Surface = "Text3", Volume = "Text4";
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {Edge, EdgeSum, Surface, Volume};
}  // namespace cube

// Enter in one field of the cube window: its text must be one number; the other three
// fields receive the edge (Text1), edge sum (Text2), surface area (Text3) or volume
// (Text4) derived from it. The field itself keeps what was typed.
void CubeFromEdge(Form& f);     // Text1
void CubeFromEdgeSum(Form& f);  // Text2
void CubeFromSurface(Form& f);  // Text3
void CubeFromVolume(Form& f);   // Text4

// Worked solutions of the cube window, one per field's Enter.
WorkedSolution ExplainCubeFromEdge(const Form& before);     // CubeFromEdge
WorkedSolution ExplainCubeFromEdgeSum(const Form& before);  // CubeFromEdgeSum
WorkedSolution ExplainCubeFromSurface(const Form& before);  // CubeFromSurface
WorkedSolution ExplainCubeFromVolume(const Form& before);   // CubeFromVolume

// The known slips of the cube's exercises.
std::vector<SlipRule> CubeSlips();

}  // namespace velunda
