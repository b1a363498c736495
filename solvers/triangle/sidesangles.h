#pragma once

#include <string_view>

#include "numeric/form.h"

namespace velunda {

// Where the sides-and-angles window sends the pupil when it is given angles but no side.
inline constexpr std::string_view kUpdateAddress = "https://velunda.example.org";

// "计 算" of the sides-and-angles window: the three sides (Text2, Text4, Text6) from the
// sides and opposite angles typed (Text1, Text3, Text5), in radians when Opt1 is
// selected and in degrees otherwise. The angle fields are only read.
void TriangleSidesAndAngles(Form& f);

}  // namespace velunda
