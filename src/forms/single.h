#pragma once

namespace forms {

// Positions are single-precision properties; arithmetic on them runs in double precision and
// the result is stored back through this conversion, which raises Overflow where the value
// does not fit.
float ToSingle(double value);

}  // namespace forms
