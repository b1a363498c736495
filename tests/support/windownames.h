// The solver windows as their computations see them: for each window the names its
// computations may read and write (its fields and option buttons, as the solver headers
// list them) and the computations its triggers run. Plain C++ over the solver library:
// the fake form learns from here which names a computation may use, without the windows'
// designs; tst_solverwindows checks that every design has exactly these fields and
// options and runs exactly these computations.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "numeric/form.h"
#include "solvers/algebra/linear.h"
#include "solvers/algebra/quadratic.h"
#include "solvers/algebra/trigonometry.h"
#include "solvers/plane/chord.h"
#include "solvers/plane/circle.h"
#include "solvers/plane/parallelogram.h"
#include "solvers/plane/rectangle.h"
#include "solvers/plane/square.h"
#include "solvers/plane/trapezoid.h"
#include "solvers/solid/cube.h"
#include "solvers/solid/cuboid.h"
#include "solvers/solid/cylinder.h"
#include "solvers/triangle/baseheightarea.h"
#include "solvers/triangle/equilateral.h"
#include "solvers/triangle/righttriangle.h"
#include "solvers/triangle/sidesangles.h"
#include "solvers/triangle/sidesperimeterarea.h"
#include "solvers/triangle/threesides.h"

namespace velunda::testing {

struct SolverWindow {
    std::string_view name;  // the window's object name, "frm12"
    std::span<const std::string_view> names;
    std::vector<Computation> computations;
};

// clang-format off
inline const std::vector<SolverWindow>& SolverWindows() {
    static const std::vector<SolverWindow> windows = {
        {"frm1",  threesides::Names,            {TriangleFromThreeSides}},
        {"frm21", sidesangles::Names,           {TriangleSidesAndAngles}},
        {"frm7",  baseheightarea::Names,        {TriangleBaseHeightArea}},
        {"frm8",  sidesperimeterarea::Names,    {TriangleSidesPerimeterArea}},
        {"frm14", righttriangle::Names,         {SolveRightTriangle}},
        {"frm13", equilateral::Names,           {SolveEquilateralTriangle}},
        {"frm12", square::Names,                {SquareFromSide, SquareFromPerimeter, SquareFromArea, SquareFromDiagonal}},
        {"frm6",  rectangle::Names,             {SolveRectangle}},
        {"frm9",  trapezoid::Names,             {SolveTrapezoid}},
        {"frm11", cube::Names,                  {CubeFromEdge, CubeFromEdgeSum, CubeFromSurface, CubeFromVolume}},
        {"frm5",  cuboid::Names,                {CuboidCompute}},
        {"frm15", cylinder::Names,              {CylinderCompute}},
        {"frm4",  parallelogram::Names,         {SolveParallelogramAngle}},
        {"frm3",  parallelogram::ThreeRowNames, {SolveParallelogramArea}},
        {"frm2",  parallelogram::ThreeRowNames, {SolveParallelogramPerimeter}},
        {"frm18", trigonometry::Names,          {AngleAndFunctions}},
        {"frm16", quadratic::Names,             {QuadraticEquation}},
        {"frm19", twoequations::Names,          {TwoLinearEquations}},
        {"frm20", threeequations::Names,        {ThreeLinearEquations}},
        {"frm10", circle::Names,                {CircleFromRadius, CircleFromDiameter, CircleFromCircumference,
                                                 CircleFromArea, PiFromOption1, PiFromOption2}},
        {"frm17", chord::Names,                 {SolveChord}},
    };
    return windows;
}
// clang-format on

}  // namespace velunda::testing
